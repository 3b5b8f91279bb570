#pragma once
// What a run left out and why: the report's "Left out:" line, and the
// message of a run that finds no hand, which names what took the most and
// where the user changes it. A newcomer's first run meets the profile's
// defaults (heads-up tables, a 2-cent big blind, this month); this is how he
// learns that they, and not his files, left every hand out.

#include <cstddef>
#include <string>

#include "app/setting_text.h"
#include "history/left_out.h"

namespace lumora {

class UserInterface;

/// What a run did not count.
struct RunLeftOut {
  HandLeftOutCounts hands{};           ///< hands not counted, by reason
  HandLeftOutCounts filesNotOpened{};  ///< history files the walk left unlisted, by filter
  std::size_t filesListed = 0;         ///< history files the walk listed
  bool database = false;               ///< a tracker database run: its room and nick settings apply
};

/// The report's last line: "Left out: 256 hands (players seated 2–2: 231,
/// big blind: 25)", reasons by falling count, then "; 7 files not opened
/// (date range: 7)" for the files the walk left unlisted (alone when no hand
/// was left out). Empty when nothing was left out; otherwise ends with a line
/// feed, as the report's lines do.
std::wstring LeftOutLine(const RunLeftOut& leftOut, const SettingsView& view);

/// The message of a run that found no hand: "No data available!", then what
/// took the most, with the place `ui` names for its setting ("Every hand was
/// left out by the players-seated filter (2–2); see --players."): a nick
/// seated in no hand; else the reason that left out the most hands; else the
/// filter that left the most files unopened; else a folder that holds no
/// history file of the room.
std::wstring NoDataMessage(const RunLeftOut& leftOut, const SettingsView& view,
                           const UserInterface& ui);

}  // namespace lumora
