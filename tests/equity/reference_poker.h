#pragma once
// A slow, plainly written poker evaluator and equity enumerator for the tests:
// every five-card choice is tried and classified by counting ranks and suits.
// The fast engine must agree with it exactly.

#include <array>
#include <optional>
#include <vector>

#include "equity/enumerator.h"

namespace lumora::reference {

/// A five-card high hand as (category, tie-break ranks …, -1 …): compare with <.
using HighRank = std::array<int, 6>;
/// A low as its five ranks from the highest down (ace = 1): smaller is better.
using LowRank = std::vector<int>;

HighRank ClassifyFive(const std::vector<int>& five);
/// Best of every five of the cards (Hold'em).
HighRank BestOfAny(const std::vector<int>& cards);
/// Best of two hole cards with three board cards (Omaha).
HighRank BestOmaha(const std::vector<int>& hole, const std::vector<int>& board);
/// Best eight-or-better low of two hole and three board cards.
std::optional<LowRank> BestOmahaLow(const std::vector<int>& hole, const std::vector<int>& board);

/// Every hand's share of the pots over every completion of the board, in the
/// same units as EnumerateEquity.
EquityCounts Equity(const Deal& deal);

}  // namespace lumora::reference
