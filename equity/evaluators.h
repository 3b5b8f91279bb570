#pragma once
// One showdown evaluated on its own: the best high hand of Hold'em (any five
// of the two hole and five board cards) and of Omaha (exactly two of four or
// five hole cards with exactly three of the five board cards), and the best
// eight-or-better low of Omaha. The enumeration of boards uses the same tables
// incrementally; these serve single boards and the tests.

#include <span>

#include "equity/hand_value.h"
#include "equity/low_hand.h"

namespace lumora {

/// The board row of RankTables for five board cards (indexes 0-51).
int BoardRow(std::span<const int, 5> board);

/// Best Hold'em hand of two hole cards and five board cards.
HandValue HoldemHigh(std::span<const int, 2> hole, std::span<const int, 5> board);

/// Best Omaha hand of 2 to 5 hole cards, two of them with three board cards.
HandValue OmahaHigh(std::span<const int> hole, std::span<const int, 5> board);

/// Best Omaha eight-or-better low, or kNoLow.
LowScore OmahaLow(std::span<const int> hole, std::span<const int, 5> board);

}  // namespace lumora
