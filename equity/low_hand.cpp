#include "equity/low_hand.h"

#include <algorithm>
#include <bit>

#include "equity/bit_count.h"

namespace lumora {

const OmahaLowTable& OmahaLowTable::Get() {
  static const OmahaLowTable table;
  return table;
}

OmahaLowTable::OmahaLowTable() : m_scores(256 * 256, kNoLow) {
  for (unsigned hole = 0; hole < 256; ++hole) {
    for (unsigned board = 0; board < 256; ++board) {
      LowScore best = kNoLow;
      for (unsigned a = 1; a < 256; a <<= 1) {
        for (unsigned b = a << 1; b < 256; b <<= 1) {
          if ((hole & a) == 0 || (hole & b) == 0) continue;
          // With the two hole ranks fixed, the lowest three other board ranks
          // make the best low.
          unsigned rest = board & ~(a | b);
          if (BitCount(static_cast<uint16_t>(rest)) < 3) continue;
          unsigned three = 0;
          for (int taken = 0; taken < 3; ++taken) {
            three |= rest & (0u - rest);
            rest &= rest - 1;
          }
          best = std::max(best, ScoreOfLow(static_cast<uint8_t>(a | b | three)));
        }
      }
      m_scores[hole * 256 + board] = best;
    }
  }
}

}  // namespace lumora
