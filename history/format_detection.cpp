#include "history/format_detection.h"

namespace lumora {

bool DetectHistoryFormat(const std::vector<std::wstring>& /*lines*/, FileFormatInfo& info) {
  // No room's reader is in yet: every file stays unrecognised and is refused.
  info.realMoney = false;
  info.tableSeats = 0;
  info.bigBlind = 0;
  info.currency = 0;
  return true;
}

}  // namespace lumora
