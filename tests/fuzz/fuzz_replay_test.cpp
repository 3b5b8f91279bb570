// Replays every input kept for the fuzz targets through them: the seeds that
// fuzz/targets.txt names and the inputs fuzzing found (tests/data/fuzz/), so
// that a fault once found stays fixed in the ordinary build.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

/// The folders under tests/data that hold the inputs of target `name`.
std::vector<fs::path> InputFolders(std::string_view name) {
  std::ifstream list(LUMORA_SOURCE_DIR "/fuzz/targets.txt");
  std::vector<fs::path> folders{fs::path(LUMORA_TEST_DATA_DIR) / "fuzz" / name};
  for (std::string line; std::getline(list, line);) {
    std::istringstream fields(line);
    std::string target, maxLength, folder;
    if (!(fields >> target >> maxLength) || target != name) continue;
    while (fields >> folder) folders.push_back(fs::path(LUMORA_TEST_DATA_DIR) / folder);
  }
  return folders;
}

TEST(FuzzReplay, EveryKeptInputReadsWithoutFault) {
  for (const FuzzTarget& target : FuzzTargets()) {
    int replayed = 0;
    for (const fs::path& folder : InputFolders(target.name)) {
      if (!fs::is_directory(folder)) continue;
      for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        SCOPED_TRACE(entry.path().string());
        const std::string bytes = testing::ReadFile(entry.path());
        target.read({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
        ++replayed;
      }
    }
    EXPECT_GT(replayed, 0) << target.name;
  }
}

}  // namespace
}  // namespace lumora
