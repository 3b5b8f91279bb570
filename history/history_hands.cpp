#include "history/history_hands.h"

namespace lumora {

bool ReadHistoryHands(const std::wstring& /*path*/, const HandFilter& /*filter*/,
                      const std::vector<std::wstring>& /*lines*/, int32_t /*fileBigBlind*/,
                      SourceResult& /*out*/) {
  return true;  // no room's reader is in yet
}

}  // namespace lumora
