#pragma once
// Lookup tables of the high-hand evaluators, built once per process on first
// use (about 2.3 MB, a few tens of milliseconds). The Omaha half waits for
// the first Omaha hand: most runs are Hold'em only and never pay for it.
//
// A board of five cards is reduced to the multiset of its ranks, a "board
// row" (6175 of them). Ranks are added one card at a time through a small
// transition table, so an enumeration of boards finds each board's row with
// one look-up per card. For every row and every pair of hole ranks the tables
// hold the best hand without a flush: Hold'em uses both hole cards with all
// five board cards, Omaha exactly the two hole cards with the best three of
// the board. Flushes are looked up separately by the 13-bit rank mask of the
// suited cards.

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "equity/hand_value.h"

namespace lumora {

class RankTables {
 public:
  static constexpr int kRows = 6175;           ///< rank multisets of five cards
  static constexpr int kPairs = 91;            ///< unordered pairs of ranks, pairs included
  static constexpr int kNodes = 2380;          ///< rank multisets of zero to four cards
  static constexpr uint16_t kNoNode = 0xFFFF;  ///< a fifth card of one rank
  static constexpr uint16_t kEmptyNode = 0;    ///< the node of no cards

  /// The tables, built by the first caller; safe to call from any thread.
  static const RankTables& Get();

  /// The node (or, after the fifth card, the row 0 to kRows - 1) reached by
  /// adding a card of `rank` to the cards of `node`; kNoNode when that would
  /// be a fifth card of one rank.
  uint16_t Next(uint16_t node, int rank) const { return m_next[node * 13 + rank]; }

  /// Index 0-90 of the hole ranks a and b (either order).
  static int PairIndex(int a, int b) { return a < b ? b * (b + 1) / 2 + a : a * (a + 1) / 2 + b; }

  /// Best Hold'em hand without a flush, by hole-rank pair: kRows values each.
  const HandValue* HoldemRow(int pair) const { return &m_holdem[pair * kRows]; }
  /// Best Omaha hand without a flush (both hole cards, three board cards);
  /// the first call builds the Omaha rows.
  const HandValue* OmahaRow(int pair) const {
    std::call_once(m_omahaBuilt, [this] { BuildOmaha(); });
    return &m_omaha[pair * kRows];
  }

  /// BestFlushHand of a 13-bit rank mask.
  HandValue Flush(uint16_t mask) const { return m_flush[mask]; }

  /// Best Omaha flush from the two suited hole ranks `pair` and three of the
  /// `board` ranks of the same suit; 0 when the board has fewer than three.
  HandValue OmahaFlush(uint16_t board, uint16_t pair) const;

  /// Bytes held by the tables, the Omaha rows with them.
  std::size_t MemoryBytes() const;

 private:
  RankTables();
  void BuildOmaha() const;

  std::vector<uint16_t> m_next;
  std::vector<HandValue> m_holdem;
  std::vector<HandValue> m_flush;
  std::vector<RankCounts> m_rowRanks;  ///< the ranks of each row
  std::vector<HandValue> m_rowValues;  ///< the value of each row's five cards
  mutable std::once_flag m_omahaBuilt;
  mutable std::vector<HandValue> m_omaha;
};

}  // namespace lumora
