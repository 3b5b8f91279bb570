#include "equity/evaluators.h"

#include <algorithm>

#include "equity/cards.h"
#include "equity/rank_tables.h"

namespace lumora {
namespace {

/// The ranks held in suit `suit` among `cards`, as a 13-bit mask.
uint16_t SuitMask(std::span<const int> cards, int suit) {
  uint16_t mask = 0;
  for (int card : cards)
    if (CardSuit(card) == suit) mask |= static_cast<uint16_t>(1u << CardRank(card));
  return mask;
}

uint8_t LowMask(std::span<const int> cards) {
  uint8_t mask = 0;
  for (int card : cards) mask |= LowBit(CardRank(card));
  return mask;
}

}  // namespace

int BoardRow(std::span<const int, 5> board) {
  const RankTables& tables = RankTables::Get();
  uint16_t node = RankTables::kEmptyNode;
  for (int card : board) node = tables.Next(node, CardRank(card));
  return node;
}

HandValue HoldemHigh(std::span<const int, 2> hole, std::span<const int, 5> board) {
  const RankTables& tables = RankTables::Get();
  HandValue best = tables.HoldemRow(
      RankTables::PairIndex(CardRank(hole[0]), CardRank(hole[1])))[BoardRow(board)];
  for (int suit = 0; suit < kSuitCount; ++suit)
    best = std::max(best, tables.Flush(SuitMask(board, suit) | SuitMask(hole, suit)));
  return best;
}

HandValue OmahaHigh(std::span<const int> hole, std::span<const int, 5> board) {
  const RankTables& tables = RankTables::Get();
  const int row = BoardRow(board);
  HandValue best = 0;
  for (size_t i = 0; i < hole.size(); ++i) {
    for (size_t j = i + 1; j < hole.size(); ++j) {
      const int a = hole[i];
      const int b = hole[j];
      best = std::max(best, tables.OmahaRow(RankTables::PairIndex(CardRank(a), CardRank(b)))[row]);
      if (CardSuit(a) == CardSuit(b)) {
        const auto pair = static_cast<uint16_t>((1u << CardRank(a)) | (1u << CardRank(b)));
        best = std::max(best, tables.OmahaFlush(SuitMask(board, CardSuit(a)), pair));
      }
    }
  }
  return best;
}

LowScore OmahaLow(std::span<const int> hole, std::span<const int, 5> board) {
  return OmahaLowTable::Get().Row(LowMask(hole))[LowMask(board)];
}

}  // namespace lumora
