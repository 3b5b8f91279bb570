#include "reference_poker.h"

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>

#include "equity/cards.h"

namespace lumora::reference {
namespace {

/// Calls `use` with every k-element choice of `cards` (k at most 5), in a
/// fixed buffer so that the slow reference is not slower still.
template <typename Use>
void Choices(const std::vector<int>& cards, size_t k, Use use) {
  std::vector<int> chosen(k);
  std::vector<size_t> at(k);
  const auto pick = [&](auto& self, size_t depth, size_t from) -> void {
    if (depth == k) {
      use(chosen);
      return;
    }
    for (size_t i = from; i + (k - depth) <= cards.size(); ++i) {
      chosen[depth] = cards[i];
      self(self, depth + 1, i + 1);
    }
  };
  pick(pick, 0, 0);
}

std::vector<int> Join(const std::vector<int>& a, const std::vector<int>& b) {
  std::vector<int> all = a;
  all.insert(all.end(), b.begin(), b.end());
  return all;
}

}  // namespace

HighRank ClassifyFive(const std::vector<int>& five) {
  std::array<int, 13> counts{};
  bool flush = true;
  for (int card : five) {
    ++counts[CardRank(card)];
    flush = flush && CardSuit(card) == CardSuit(five[0]);
  }
  // Ranks by count, then by rank, both from the highest: ranks arrive highest
  // first, and each goes in after every group at least as large.
  std::array<std::pair<int, int>, 5> groups{};
  int distinct = 0;
  for (int rank = 12; rank >= 0; --rank) {
    if (counts[rank] == 0) continue;
    int at = distinct++;
    for (; at > 0 && groups[at - 1].first < counts[rank]; --at) groups[at] = groups[at - 1];
    groups[at] = {counts[rank], rank};
  }

  int straightTop = -1;
  if (distinct == 5) {
    const int high = groups[0].second;
    const int low = groups[4].second;
    if (high - low == 4) straightTop = high;
    if (high == 12 && groups[1].second == 3 && low == 0) straightTop = 3;  // the wheel 5-4-3-2-A
  }
  const auto make = [&](int category, bool topOnly) {
    HighRank rank;
    rank.fill(-1);
    rank[0] = category;
    if (topOnly) {
      rank[1] = straightTop;
    } else {
      for (int i = 0; i < distinct; ++i) rank[i + 1] = groups[i].second;
    }
    return rank;
  };
  if (straightTop >= 0 && flush) return make(8, true);
  if (groups[0].first == 4) return make(7, false);
  if (groups[0].first == 3 && groups[1].first == 2) return make(6, false);
  if (flush) return make(5, false);
  if (straightTop >= 0) return make(4, true);
  if (groups[0].first == 3) return make(3, false);
  if (groups[0].first == 2 && groups[1].first == 2) return make(2, false);
  if (groups[0].first == 2) return make(1, false);
  return make(0, false);
}

HighRank BestOfAny(const std::vector<int>& cards) {
  HighRank best{};
  best.fill(-1);
  Choices(cards, 5,
          [&](const std::vector<int>& five) { best = std::max(best, ClassifyFive(five)); });
  return best;
}

HighRank BestOmaha(const std::vector<int>& hole, const std::vector<int>& board) {
  HighRank best{};
  best.fill(-1);
  Choices(hole, 2, [&](const std::vector<int>& two) {
    Choices(board, 3, [&](const std::vector<int>& three) {
      best = std::max(best, ClassifyFive(Join(two, three)));
    });
  });
  return best;
}

std::optional<LowRank> BestOmahaLow(const std::vector<int>& hole, const std::vector<int>& board) {
  std::optional<LowRank> best;
  Choices(hole, 2, [&](const std::vector<int>& two) {
    Choices(board, 3, [&](const std::vector<int>& three) {
      LowRank low;
      for (int card : Join(two, three)) {
        const int rank = CardRank(card) == 12 ? 1 : CardRank(card) + 2;  // ace low
        if (rank > 8 || std::find(low.begin(), low.end(), rank) != low.end()) return;
        low.push_back(rank);
      }
      std::sort(low.rbegin(), low.rend());
      if (!best || low < *best) best = low;
    });
  });
  return best;
}

EquityCounts Equity(const Deal& deal) {
  const int n = deal.HandCount();
  std::vector<std::vector<int>> holes;
  for (int h = 0; h < n; ++h)
    holes.emplace_back(deal.hands.begin() + h * deal.cardsPerHand,
                       deal.hands.begin() + (h + 1) * deal.cardsPerHand);
  std::vector<int> deck;
  for (int card = 0; card < kCardCount; ++card) {
    const auto holds = [card](const std::vector<int>& cards) {
      return std::find(cards.begin(), cards.end(), card) != cards.end();
    };
    if (!holds(deal.hands) && !holds(deal.board) && !holds(deal.dead)) deck.push_back(card);
  }
  uint64_t unit = 1;
  for (int k = 2; k <= n; ++k) unit = std::lcm(unit, static_cast<uint64_t>(k));
  if (deal.hiLo) unit *= 2;

  EquityCounts counts;
  counts.unit = unit;
  counts.shares.assign(n, 0);
  // Gives `part` to the hands whose rank is best (largest by `better`).
  const auto award = [&](const auto& ranks, uint64_t part, auto better) {
    auto best = ranks[0];
    for (const auto& rank : ranks)
      if (better(rank, best)) best = rank;
    std::vector<int> winners;
    for (int h = 0; h < n; ++h)
      if (!better(best, ranks[h]) && !better(ranks[h], best)) winners.push_back(h);
    for (int h : winners) counts.shares[h] += part / winners.size();
  };
  Choices(deck, 5 - deal.board.size(), [&](const std::vector<int>& runout) {
    const std::vector<int> board = Join(deal.board, runout);
    ++counts.boards;
    std::vector<HighRank> highs;
    std::vector<std::optional<LowRank>> lows;
    for (const auto& hole : holes) {
      highs.push_back(deal.cardsPerHand == 2 ? BestOfAny(Join(hole, board))
                                             : BestOmaha(hole, board));
      if (deal.hiLo) lows.push_back(BestOmahaLow(hole, board));
    }
    const auto higher = [](const HighRank& a, const HighRank& b) { return a > b; };
    const bool anyLow =
        std::any_of(lows.begin(), lows.end(), [](const auto& low) { return low.has_value(); });
    if (!anyLow) {
      award(highs, unit, higher);
      return;
    }
    award(highs, unit / 2, higher);
    // A hand without a low loses the low half to any hand with one.
    award(lows, unit / 2, [](const std::optional<LowRank>& a, const std::optional<LowRank>& b) {
      return a && (!b || *a < *b);
    });
  });
  return counts;
}

}  // namespace lumora::reference
