#pragma once
// The game kinds a run takes and the players-seated bounds: their persisted
// forms, the rules of the game-selection check boxes, and the rule that keeps
// the seat bounds inside the chosen table size.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/game_kinds.h"
#include "app/run_settings.h"

namespace lumora {

class Profile;

/// The persisted text of the 36 flags: a blank, then each flag as a decimal
/// number followed by one blank (73 characters when every flag is 0 or 1).
std::wstring FormatGameSelection(const GameFlags& flags);

/// Reads the persisted text: an empty text selects "All" only; otherwise,
/// while fewer than 36 flags are read and at least 3 characters are left,
/// the next flag is the number at the start of the text (blanks skipped) and
/// the first two characters are dropped. So a text of 1 or 2 characters (or
/// of blanks only) selects nothing, and a run refuses to start with it.
GameFlags ParseGameSelection(std::wstring_view text);

/// ParseGameSelection of the profile's "GameSelection".
GameFlags LoadGameSelection(const Profile& profile);
/// Writes "GameSelection" (the dialog's "Done"). False when the profile
/// cannot be written.
bool SaveGameSelection(Profile& profile, const GameFlags& flags);

/// The check-box rules of the game-selection dialog. `flags` hold the boxes
/// as they are right after box `clicked` changed; the result is what the
/// dialog shows: ticking "All" clears every other box; clicking a group box
/// clears "All" and, when ticked, the boxes of its group; clicking one of the
/// six kinds the readers accept (indexes 2, 7, 10, 13, 14, 16) clears "All"
/// and, when ticked, its group box; any other single kind changes only
/// itself. A `clicked` outside 0..35 changes nothing.
GameFlags ApplyGameSelectionClick(GameFlags flags, int clicked);

/// The seat bounds narrowed to table size `numPl`: minPl at least 2, maxPl
/// at most 2, 3, 6, 10 or 10 for table sizes 0 to 4. Other codes leave both.
/// Only narrows: minPl may end above maxPl (then no hand counts).
void NarrowSeatBounds(int32_t numPl, int32_t& minPl, int32_t& maxPl);

/// Narrows the players-seated bounds to the table size: re-reads "minPl" and
/// "maxPl" from the profile, raises minPl to 2 and lowers maxPl to 2, 3, 6 or
/// 10 for table sizes 0 to 4, and writes back a bound that changed. Other
/// table-size codes leave the bounds as read.
void AdjustSeatBounds(Profile& profile, RunSettings& settings);

/// The players-seated dialog's OK: both values must lie in 2..10 (no rule
/// relates them, so a minimum above the maximum is taken). Stores and writes
/// each value that differs from `settings` and returns true; returns false
/// and changes nothing, in memory or profile, when a value is out of range.
bool SetPlayersSeated(Profile& profile, RunSettings& settings, int64_t minPl, int64_t maxPl);

}  // namespace lumora
