#include "history/tiger_gaming.h"

namespace lumora {

// Tiger Gaming is not read yet: no header matches, so its files are
// abandoned at their first hand.
HandHeader ReadTigerHeader(std::wstring_view /*line*/) {
  return {};
}

HandReading ReadTigerHand(const HandFilter& /*filter*/, const HandLines& /*lines*/,
                          int32_t /*room*/, int32_t /*expectedBigBlind*/, bool& /*headerSeen*/) {
  return {};
}

}  // namespace lumora
