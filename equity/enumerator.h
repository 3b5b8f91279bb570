#pragma once
// Exact equity by enumerating every completion of the board. Nothing is
// sampled: each board is dealt once, its pot is shared out in whole units,
// and the equities come from those integer counts with one division, so every
// result is the same to the last digit on every run and thread count. When
// the whole board is to come, boards that differ only in suits that make no
// flush are counted together rather than dealt one by one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumora {

/// Most hands that may contend in one deal.
inline constexpr int kMaxHands = 10;

/// One equity question. Cards are indexes 0-51 (see cards.h).
struct Deal {
  int cardsPerHand = 2;    ///< 2 Hold'em, 4 Omaha, 5 five-card Omaha (both: two hole + three board)
  std::vector<int> hands;  ///< the contending hands, packed one after another
  std::vector<int> board;  ///< the known board cards, 0 to 5
  std::vector<int> dead;   ///< cards out of the deck that no contending hand holds
  bool hiLo = false;       ///< split each pot between best high and best eight-or-better low

  int HandCount() const {
    return cardsPerHand > 0 ? static_cast<int>(hands.size()) / cardsPerHand : 0;
  }
};

/// The outcome of an enumeration: each hand's share of the pots over all
/// boards. A board's pot is `unit` (divisible by every tie count, halved
/// first in a hi-lo split), so shares[h] / (boards × unit) is hand h's equity.
struct EquityCounts {
  std::vector<uint64_t> shares;  ///< one per contending hand, in pot units
  uint64_t boards = 0;           ///< boards dealt
  uint64_t unit = 0;             ///< pot units of one board

  /// Equity of hand `hand` in percent, 0 to 100.
  double Percent(int hand) const;
};

/// Why the deal cannot be enumerated ("the card Ah is given twice", …), or
/// an empty text when it can. Limits: 2 to kMaxHands hands of 2, 4 or 5
/// cards, at most 5 board cards, hi-lo only for Omaha hands, enough cards
/// left in the deck to complete the board.
std::wstring DealError(const Deal& deal);

/// Enumerates every board that completes `deal.board` from the cards no hand,
/// board card or dead card holds; a whole board is shared out among up to
/// `threads` threads (the result does not depend on the number). nullopt
/// when DealError is not empty.
std::optional<EquityCounts> EnumerateEquity(const Deal& deal, unsigned threads = 1);

}  // namespace lumora
