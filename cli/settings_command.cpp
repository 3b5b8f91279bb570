#include "cli/settings_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <vector>

#include "app/date_range.h"
#include "app/game_selection.h"
#include "app/log_file.h"
#include "app/profile.h"
#include "app/setting_text.h"
#include "app/settings_store.h"
#include "base/local_time.h"
#include "base/text.h"
#include "cli/console_ui.h"

namespace lumora {
namespace {

/// Whether the profile holds the key's default (or nothing for it).
bool HoldsDefault(const Profile& profile, const keys::AnyKey& key) {
  if (key.number)
    return profile.ReadInt(key.number->name, key.number->defaultValue) == key.number->defaultValue;
  return profile.ReadString(key.text->name, key.text->defaultValue) == key.text->defaultValue;
}

/// The seat bounds follow the table size when they are loaded: a bound the
/// table size narrowed says so, since the profile still holds the wider one.
std::wstring Note(const Profile& profile, const keys::AnyKey& key, const RunSettings& settings) {
  if (key.number != &keys::kMinPl && key.number != &keys::kMaxPl) return {};
  const int32_t stored = profile.ReadInt(key.number->name, key.number->defaultValue);
  if (stored == settings.*key.number->field) return {};
  return Format(L"narrowed from %d by the table size", stored);
}

std::wstring ProfileState(const Profile& profile) {
  std::error_code error;
  if (!profile.IsReadable()) return L" (cannot be read: the defaults are shown)";
  if (!std::filesystem::exists(profile.path(), error)) return L" (not written yet)";
  return {};
}

}  // namespace

CLI::App* AddSettingsCommand(CLI::App& cli, SettingsOptions& o) {
  constexpr const char* kWhat =
      "List every setting a run takes from the profile, whether it is the default, and the "
      "option that changes it.";
  CLI::App* settings = cli.add_subcommand("settings", kWhat);
  settings->add_option("--profile", o.profile, "Profile file (default: the user's profile)");
  return settings;
}

int RunSettingsCommand(const SettingsOptions& options, std::FILE* out) {
  const Profile profile(options.profile ? std::filesystem::path(*options.profile)
                                        : Profile::DefaultPath());
  const RunSettings settings = LoadRunSettings(profile);
  const GameFlags games = LoadGameSelection(profile);
  const DateRange range = LoadDateRange(profile, NowSeconds()).range;
  const SettingsView view{settings, games, range};

  using Row = std::array<std::wstring, 5>;
  std::vector<Row> rows = {{L"Key", L"Value", L"Default", L"Changed by", L""}};
  for (const keys::AnyKey& key : keys::kAllKeys) {
    const keys::Place& place = key.Where();
    std::wstring value = SettingText(key, view);
    rows.push_back({std::wstring(key.Name()), value.empty() ? L"(empty)" : std::move(value),
                    HoldsDefault(profile, key) ? L"yes" : L"no",
                    Utf8ToWide(place.command) + L" " + Utf8ToWide(place.option),
                    Note(profile, key, settings)});
  }
  std::array<size_t, 5> widths{};
  for (const Row& row : rows)
    for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());

  std::wstring text = L"Profile: " + PathToText(profile.path()) + ProfileState(profile) + L"\n";
  text += L"Log: " + PathToText(DefaultLogPath()) + L"\n\n";
  for (const Row& row : rows) {
    std::wstring line;
    for (size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size()) line += std::wstring(widths[c] - row[c].size() + 2, L' ');
    }
    text += Trim(line) + L"\n";
  }
  WriteUtf8(out, text);
  return 0;
}

}  // namespace lumora
