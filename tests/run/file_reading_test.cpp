// Files read side by side reach the merge in list order, each exactly as it
// reads alone: on a generated corpus (LUMORA_GENERATED_HISTORIES, a folder the
// generator wrote) or, without one, on the PokerStars fixtures.

#include "run/file_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/text.h"
#include "tests/history/history_test_support.h"
#include "tests/support/recording_ui.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> HistoryFiles() {
  const char* generated = std::getenv("LUMORA_GENERATED_HISTORIES");
  const fs::path folder = generated ? fs::path(generated) / "pokerstars"
                                    : fs::path(LUMORA_TEST_DATA_DIR) / "pokerstars";
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

/// Everything the run takes from each outcome, in the order it was merged.
std::vector<std::wstring> Merged(const std::vector<fs::path>& files, unsigned readers) {
  HandFilter filter = testing::BobsFilter();
  filter.nick = L"Hero";
  testing::RecordingUi ui;
  std::vector<std::wstring> merged;
  EXPECT_TRUE(
      ReadFilesInOrder(files, filter, testing::Engine(), readers, ui, [&](const FileOutcome& o) {
        const SourceResult& s = o.source;
        std::wstring text = Format(L"%s %d %d %d", s.path, s.completed, o.passedChecks,
                                   static_cast<long long>(o.detectedBigBlind));
        for (const HandResult& hand : s.hands)
          text +=
              Format(L"\n%s %d %d %.17g %.17g", hand.handId, static_cast<long long>(hand.startTime),
                     static_cast<long long>(hand.bigBlindCents), hand.resultCents,
                     hand.allInEv.value_or(-1e300));
        for (const AllInHandReport& allIn : s.allInReports)
          for (const std::wstring& line : allIn.logLines) text += L"\n" + line;
        for (const std::wstring& note : s.logNotes) text += L"\n" + note;
        for (const int32_t count : s.leftOut) text += Format(L" %d", count);
        merged.push_back(std::move(text));
        return true;
      }));
  return merged;
}

TEST(ReadFilesInOrder, GivesEachFileAsOneReaderWouldInListOrder) {
  const std::vector<fs::path> files = HistoryFiles();
  ASSERT_GE(files.size(), 5u);
  const std::vector<std::wstring> alone = Merged(files, 1);
  ASSERT_EQ(alone.size(), files.size());
  for (size_t i = 0; i < files.size(); ++i)
    EXPECT_TRUE(alone[i].starts_with(PathToText(files[i]) + L" ")) << i;
  // Two readers run two files ahead of the merge at most, so that readers
  // wait for it; seven outrun it.
  EXPECT_EQ(Merged(files, 2), alone);
  EXPECT_EQ(Merged(files, 7), alone);
}

}  // namespace
}  // namespace lumora
