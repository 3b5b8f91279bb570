#include "history/poker888.h"

namespace lumora {

// 888poker is not read yet: no header matches, so its files are abandoned at
// their first hand.
HandHeader Read888Header(std::wstring_view /*line*/) {
  return {};
}

HandReading Read888Hand(const HandFilter& /*filter*/, const HandLines& /*lines*/, int32_t /*room*/,
                        int32_t /*expectedBigBlind*/, bool& /*headerSeen*/) {
  return {};
}

}  // namespace lumora
