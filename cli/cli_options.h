#pragma once
// Turning command-line option texts into setting values. Each conversion
// accepts what the desktop program's lists show (labels) and, where the
// settings are codes, the code itself; a text that fits nothing is an error
// that names the accepted forms.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/game_kinds.h"

namespace lumora {

/// A conversion's value, or the message that explains why the text fits
/// nothing.
template <typename T>
struct Parsed {
  std::optional<T> value;
  std::wstring error;
  static Parsed Ok(T v) { return {std::move(v), {}}; }
  static Parsed Fail(std::wstring message) { return {std::nullopt, std::move(message)}; }
};

/// A room-list label ("PokerStars", "888 Poker" ...) or a code 0-4.
Parsed<int32_t> ParseRoomOption(std::wstring_view text);

/// A table-size label ("Heads-Up", "3", "SH (6-Max)", "FR (7-10)", "All")
/// or a code 0-4. Labels come first: "3" is three-handed (code 1).
Parsed<int32_t> ParseTableOption(std::wstring_view text);

/// A big-blind list label ("10", "$1 = 100", "All"); the value in cents.
Parsed<int32_t> ParseBigBlindOption(std::wstring_view text);

/// "USD", "EUR" or "GBP".
Parsed<int32_t> ParseCurrencyOption(std::wstring_view text);

/// Comma-separated game kinds, each an index 0-35 or a game-selection label;
/// the listed kinds are selected, every other one is cleared.
Parsed<GameFlags> ParseGamesOption(std::wstring_view text);

/// "MIN-MAX", each 2-10.
struct SeatRange {
  int32_t minPl = 2;
  int32_t maxPl = 10;
};
Parsed<SeatRange> ParsePlayersOption(std::wstring_view text);

/// "on" or "off".
Parsed<int32_t> ParseSwitchOption(std::wstring_view text);

/// "history" (0) or "database" (1).
Parsed<int32_t> ParseSourceOption(std::wstring_view text);

/// A tracker kind: a data-source label ("HoldemManager2", "PokerTracker 4",
/// "HVD" ...) or its code 0-3.
Parsed<int32_t> ParseTrackerOption(std::wstring_view text);

/// A date-range preset name ("all-dates", "this-year", "last-year",
/// "this-month", "last-month", "this-week", "last-week", "today",
/// "yesterday"): its index in the preset menu.
Parsed<int> ParseRangePresetOption(std::wstring_view text);

}  // namespace lumora
