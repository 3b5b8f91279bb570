#pragma once
// Recognising which room wrote a history file and, from its first hand, the
// table size, big blind and currency, so the run can accept or refuse the
// whole file before any hand is read.

#include <cstdint>
#include <string>
#include <vector>

#include "base/history_file.h"

namespace lumora {

struct FileFormatInfo {
  int32_t room = 0;  ///< preset by the caller to the room it expects; kept when no marker is found
  bool realMoney = false;   ///< a cash game that can be analysed
  int32_t tableSeats = 0;   ///< the table's seat count; 0 when not found
  int64_t bigBlind = 0;     ///< big blind in cents; 0 when not found
  int32_t currency = 0;     ///< currency index
  bool roomFound = false;   ///< a room's marker was found
  bool tournament = false;  ///< tournament hands were seen (and skipped)
};

/// Looks at the file's lines once and fills `info`. Returns whether it found
/// all it needs: lines after these would change nothing.
bool DetectHistoryFormat(const TextLines& lines, FileFormatInfo& info);

}  // namespace lumora
