#pragma once
// Listing the history files a run will read: every file under the history
// folder with the room's extension, a last-write time near the date range and
// a name that passes the room's rules. Only directory entries are looked at;
// no file is opened.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "history/left_out.h"

namespace lumora {

class LogFile;

/// What the walk filters by.
struct WalkFilter {
  int64_t timeFrom = 0;  ///< the run's date range, seconds since 1970
  int64_t timeTo = 0;
  int32_t room = 0;           ///< room code: the extension and the name rules
  bool tableNameRule = true;  ///< PartyPoker: skip per-table summary files
  int32_t cashLimit = 0;      ///< PokerStars file names: big blind in cents (0 = any)
  int32_t currency = 0;       ///< PokerStars file names: currency index
};

/// Last-write times may lie this far outside the range: a session file is
/// written until the session ends, and hands are dated by the room's clock.
inline constexpr int64_t kWalkDayMargin = 86400;
/// A range start at or below this gets no lower margin.
inline constexpr int64_t kWalkNoMarginBelow = 90000;

/// Appends the files under `folder` (all sub-folders, depth first, entries
/// of a folder in name order) that pass `filter` to `list`, and writes its
/// trace lines to `log`. A folder that cannot be opened or listed to its end
/// contributes what it listed and is appended to `unreadableFolders` (when
/// given); a folder reached twice through links is walked once, and a link
/// to a folder that holds `folder` is not followed (the log says so); a file
/// whose last-write time lies before 1970 or cannot be read is skipped.
/// `passedOver`, when given, counts the files left unlisted by the run's
/// filters, by the filter: the date range (last-write time), and the big
/// blind and currency of a PokerStars file name.
void WalkHistoryFolder(const std::filesystem::path& folder, const WalkFilter& filter, LogFile& log,
                       std::vector<std::filesystem::path>& list,
                       std::vector<std::filesystem::path>* unreadableFolders = nullptr,
                       HandLeftOutCounts* passedOver = nullptr);

}  // namespace lumora
