#pragma once
// PokerLogic: the equity engine that the all-in evaluation and the command
// line ask. Every function returns the first hand's share of the pot in
// percent with ties split, worked out exactly by enumerating every way the
// board can be completed; exactly 0.0 means no result (cards that cannot be
// dealt, a count or mode it does not know, or a hand that cannot win).
//
// Cards are indexes 0-51 (suit × 13 + rank, see cards.h). Hands are packed one
// after another, `cardsPerHand` each: 2 Hold'em, 4 Omaha, 5 five-card Omaha
// (and Courchevel), the Omaha games using exactly two hole and three board
// cards. The HL functions split each pot between the best high and the best
// eight-or-better low (quartering on tied lows, the high scooping when no low
// qualifies). Mode 0: all `handCount` hands contend. Mode 5: the hands array
// holds one more hand after the contenders, whose cards are dead (out of the
// deck, not contending); the all-in evaluation uses it with two contenders.
//
// An exact enumerator needs no iteration or sample counts, so the two
// trailing int& arguments that older callers passed (set to 1,000,000 and
// 10,000 and never read back) are not part of these functions.
//
// All member functions are const and safe to call from several threads at
// once. Results are remembered per matchup (cards renamed by suit symmetry),
// and heads-up Hold'em before the flop comes from a shipped table.

#include <cstddef>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "equity/enumerator.h"

namespace lumora {

class PokerLogic {
 public:
  /// Mode of the Hands functions: every packed hand contends.
  static constexpr int kModeAll = 0;
  /// Mode of the Hands functions: the hand after the contenders is dead.
  static constexpr int kModeDeadHand = 5;

  /// Starts building the shared Hold'em tables on a thread of their own
  /// if no engine did yet: a run reads its first files meanwhile, and the
  /// first evaluation waits for them. Big enumerations use up to `threads`
  /// threads; 0 takes the machine's cores.
  explicit PokerLogic(unsigned threads = 0);

  PokerLogic(const PokerLogic&) = delete;
  PokerLogic& operator=(const PokerLogic&) = delete;

  /// Hand A against hand B before the flop, high only.
  double RiverEquityHandVsHandOnPreFlopCommon(const int* handA, int cardsPerHand,
                                              const int* handB) const;
  /// Hand A against hand B with `boardCount` (3 or 4) board cards, high only.
  double RiverEquityHandVsHandOnFlopCommon(const int* handA, int cardsPerHand, const int* handB,
                                           const int* board, int boardCount) const;
  double RiverEquityHandVsHandOnTurnCommon(const int* handA, int cardsPerHand, const int* handB,
                                           const int* board, int boardCount) const;

  /// `handCount` packed hands before the flop (3 board cards on the flop, 4
  /// on the turn), high only, in mode 0 or 5.
  double RiverEquityHandsOnPreFlopCommon(const int* hands, int cardsPerHand, int handCount,
                                         int mode) const;
  double RiverEquityHandsOnFlopCommon(const int* hands, int cardsPerHand, int handCount, int mode,
                                      const int* board) const;
  double RiverEquityHandsOnTurnCommon(const int* hands, int cardsPerHand, int handCount, int mode,
                                      const int* board) const;

  /// The same with the eight-or-better split (Omaha hands only).
  double RiverEquityHandsOnPreFlopCommonHL(const int* hands, int cardsPerHand, int handCount,
                                           int mode) const;
  double RiverEquityHandsOnFlopCommonHL(const int* hands, int cardsPerHand, int handCount, int mode,
                                        const int* board) const;
  double RiverEquityHandsOnTurnCommonHL(const int* hands, int cardsPerHand, int handCount, int mode,
                                        const int* board) const;

  /// The exact counts of any deal (every hand's share), or nullopt when
  /// DealError rejects it.
  std::optional<EquityCounts> Equity(const Deal& deal) const;

  /// Matchups remembered so far.
  std::size_t CachedMatchups() const;

 private:
  double Hands(const int* hands, int cardsPerHand, int handCount, int mode, const int* board,
               int boardCount, bool hiLo) const;

  unsigned m_threads;
  mutable std::mutex m_mutex;
  mutable std::unordered_map<std::string, EquityCounts> m_cache;
  std::future<void> m_tablesBuilt;  // waited for when the engine goes
};

}  // namespace lumora
