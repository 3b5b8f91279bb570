#pragma once
// The XML session files of the room listed as "iPoker": one result per game
// the hero played.

#include <string>

#include "app/hand_results.h"
#include "history/hand_filter.h"

namespace lumora {

/// Reads the session file at `path` into `out`. Returns true when the file
/// was read to its end, false when it is refused as a whole.
bool ReadXmlHistoryFile(const std::wstring& path, const HandFilter& filter, SourceResult& out);

}  // namespace lumora
