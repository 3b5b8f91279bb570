#pragma once
// "lumora-cli compare": the comparison of two limits analysed by earlier runs.

#include <cstdio>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lumora {

struct CompareOptions {
  std::optional<std::string> profile, firstBigBlind, firstTable, secondBigBlind, secondTable,
      currency, log;
  bool save = false;
};

CLI::App* AddCompareCommand(CLI::App& cli, CompareOptions& options);

/// Prints the comparison table; returns 0 when it was shown, 1 when the two
/// limits have not both been analysed (or there is only one), 2 for a bad
/// option value.
int RunCompareCommand(const CompareOptions& options, std::FILE* out, std::FILE* err);

}  // namespace lumora
