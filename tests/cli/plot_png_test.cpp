// lumora-cli make draws the result window's graphs as PNG, without a display.

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include "tests/support/run_program.h"

namespace lumora {
namespace {

using testing::RunProgram;
using testing::TempDir;

/// Pixels of `image` in the colour 0xRRGGBB.
int PixelsOf(const wxImage& image, uint32_t rgb) {
  int count = 0;
  const unsigned char* p = image.GetData();
  for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i, p += 3)
    count += p[0] == (rgb >> 16) && p[1] == ((rgb >> 8) & 0xFF) && p[2] == (rgb & 0xFF);
  return count;
}

TEST(PlotPng, MakeDrawsTheResultsAndTheRiskOfRuinWithoutADisplay) {
  TempDir dir;
  const auto result =
      RunProgram(LUMORA_CLI,
                 testing::ExampleMake(dir.path(), "pokerstars", "PokerStars", "10",
                                      {"--results-png", (dir / "results.png").string(), "--ror-png",
                                       (dir / "ror.png").string()}),
                 dir, {"DISPLAY="});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  for (const auto& [file, colour] : {std::pair{"results.png", 0x1E8C3Cu}, {"ror.png", 0xFF0000u}}) {
    wxImage image;
    ASSERT_TRUE(image.LoadFile((dir / file).string(), wxBITMAP_TYPE_PNG)) << file;
    EXPECT_EQ(image.GetSize(), wxSize(1000, 600)) << file;
    EXPECT_GT(PixelsOf(image, colour), 500) << file;  // the line is drawn, not only the frame
  }
}

}  // namespace
}  // namespace lumora
