#pragma once
// "lumora-cli settings": every setting a run would take from the profile,
// with its key, whether it is the default and the option that changes it,
// so that a user sees in one look why a run finds nothing.

#include <cstdio>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace lumora {

struct SettingsOptions {
  std::optional<std::string> profile;
};

/// Adds the "settings" subcommand with its options to `cli`.
CLI::App* AddSettingsCommand(CLI::App& cli, SettingsOptions& options);

/// Prints the listing to `out`; writes nothing to the profile or the log.
/// Returns 0.
int RunSettingsCommand(const SettingsOptions& options, std::FILE* out);

}  // namespace lumora
