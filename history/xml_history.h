#pragma once
// The XML session files of the room listed as "iPoker": one file per stretch
// of play at a table, one result per game the hero played.

#include <cstdint>
#include <string>
#include <string_view>

#include "history/hand_filter.h"
#include "history/source_result.h"

namespace lumora {

class PokerLogic;

/// Reads the session documents in `text` (the decoded content of the file
/// at `path`, which names the file in reports; several sessions may follow
/// one another, and one cut off keeps its complete games) into `out`: for
/// each game the hero played that starts in [timeFrom, timeTo) with a player
/// count inside the players-seated bounds, his net result, and the all-in
/// evaluation of a game shown down after an all-in. Each result carries the
/// big blind of its session's game type (`fileBigBlind`, cents, from
/// detection, when it has none). Returns true when the file was read to its
/// end, false when it is refused as a whole (no session in it, play money,
/// or another player's file; `out.skip` says which). A game whose start
/// date cannot be is left out with a log note naming its line.
bool ReadXmlHistoryFile(const std::wstring& path, std::wstring_view text, const HandFilter& filter,
                        int64_t fileBigBlind, const PokerLogic& engine, SourceResult& out);

/// How many games an XML session file holds (its "<game " elements), without
/// reading them.
int32_t CountXmlGames(std::wstring_view text);

}  // namespace lumora
