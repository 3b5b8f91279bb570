#pragma once
// How each setting reads to a person: in the form the option that changes it
// takes ("Heads-Up", "2", "USD", "on", "05.06.2025 00:00:00"), so that what
// "lumora-cli settings" lists and what a message names can be typed back.

#include <string>

#include "app/game_kinds.h"
#include "app/profile_keys.h"
#include "app/run_settings.h"

namespace lumora {

/// What a run or a comparison reads: the settings, the game selection and
/// the date range.
struct SettingsView {
  const RunSettings& settings;
  const GameFlags& games;
  const DateRange& range;
};

/// The value `key` holds in `view`. A code outside its list reads as the
/// number; a password reads "(hidden)".
std::wstring SettingText(const keys::AnyKey& key, const SettingsView& view);

/// The selected game kinds' labels, comma-separated ("All"); "none" when
/// nothing is selected.
std::wstring GameSelectionText(const GameFlags& games);

}  // namespace lumora
