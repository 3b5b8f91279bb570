#pragma once
// The XML session files of the room listed as "iPoker": one file per stretch
// of play at a table, one result per game the hero played.

#include <cstdint>
#include <string>
#include <string_view>

#include "history/hand_filter.h"
#include "history/source_result.h"

namespace lumora {

/// Reads the session `text` (the decoded content of the file at `path`,
/// which names the file in reports) into `out`: for each game the hero
/// played that starts in [timeFrom, timeTo) with a player count inside the
/// players-seated bounds, the hero's win less his bet. `fileBigBlind` (cents,
/// from detection) is recorded with each result. Returns true when the file
/// was read to its end, false when it is refused as a whole (not XML, not a
/// session, play money, or another player's file). A start date out of range
/// sets `out.fatalError`.
bool ReadXmlHistoryFile(const std::wstring& path, std::wstring_view text, const HandFilter& filter,
                        int32_t fileBigBlind, SourceResult& out);

}  // namespace lumora
