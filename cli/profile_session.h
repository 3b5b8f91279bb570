#pragma once
// What every command of lumora-cli starts from: the profile, the log, the
// application state loaded from the profile, and the limit results kept
// beside the profile between runs.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/lumora_app.h"
#include "app/profile.h"

namespace lumora {

struct ProfileSession {
  std::unique_ptr<Profile> profile;
  std::unique_ptr<CLumoraApp> app;
  std::filesystem::path limitsPath;  ///< "<profile name>.limits" beside the profile
};

/// Opens the profile (the given file or the user's default), the log (the
/// given file or the default place) and loads settings, game selection, date
/// range and limit results into a new application state.
ProfileSession OpenProfileSession(const std::optional<std::string>& profilePath,
                                  const std::optional<std::string>& logPath);

/// Says on `err`, as `command`, why the settings come from the defaults when
/// the profile could not be read; says nothing otherwise.
void SayIfProfileUnread(const Profile& profile, std::wstring_view command, std::FILE* err);

/// The limit-results file kept beside a profile file.
std::filesystem::path LimitResultsPathFor(const std::filesystem::path& profilePath);

}  // namespace lumora
