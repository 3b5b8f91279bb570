#include "equity/poker_logic.h"

#include <algorithm>
#include <array>
#include <thread>

#include "equity/cards.h"
#include "equity/preflop_table.h"
#include "equity/rank_tables.h"

namespace lumora {
namespace {

/// Remembered matchups beyond which the memory is cleared and refilled: a
/// few megabytes, more than a run's all-in hands.
constexpr std::size_t kCacheLimit = 50000;

/// A text naming the deal up to suit symmetry: the suits are renamed in each
/// of the 24 ways, the cards of each hand, of the board and of the dead cards
/// sorted, and the smallest text kept. Deals with the same key have the same
/// counts; the order of the hands is kept.
std::string CacheKey(const Deal& deal) {
  std::array<int, kSuitCount> rename = {0, 1, 2, 3};
  std::string best;
  std::string key;
  // Appends a group of cards renamed and sorted, and a separator.
  const auto append = [&](const int* cards, size_t count) {
    const size_t start = key.size();
    for (size_t i = 0; i < count; ++i)
      key.push_back(static_cast<char>(MakeCard(CardRank(cards[i]), rename[CardSuit(cards[i])])));
    std::sort(key.begin() + static_cast<std::ptrdiff_t>(start), key.end());
    key.push_back('|');
  };
  do {
    key.assign({static_cast<char>(deal.cardsPerHand), static_cast<char>(deal.hiLo)});
    for (int h = 0; h < deal.HandCount(); ++h)
      append(&deal.hands[h * deal.cardsPerHand], deal.cardsPerHand);
    append(deal.board.data(), deal.board.size());
    append(deal.dead.data(), deal.dead.size());
    if (best.empty() || key < best) best = key;
  } while (std::next_permutation(rename.begin(), rename.end()));
  return best;
}

}  // namespace

PokerLogic::PokerLogic(unsigned threads)
    : m_threads(threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency())),
      // Omaha's tables wait for the first Omaha hand.
      m_tablesBuilt(std::async(std::launch::async, [] { RankTables::Get(); })) {}

std::optional<EquityCounts> PokerLogic::Equity(const Deal& deal) const {
  if (!DealError(deal).empty()) return std::nullopt;
  if (deal.cardsPerHand == 2 && deal.HandCount() == 2 && deal.board.empty() && deal.dead.empty())
    if (std::optional<EquityCounts> shipped = PreflopHeadsUpCounts(deal.hands)) return shipped;

  const std::string key = CacheKey(deal);
  {
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_cache.find(key); found != m_cache.end()) return found->second;
  }
  // Enumerated outside the lock: two threads asking the same matchup at once
  // both work it out, and both get the same counts.
  std::optional<EquityCounts> counts = EnumerateEquity(deal, m_threads);
  if (counts) {
    const std::lock_guard lock(m_mutex);
    if (m_cache.size() >= kCacheLimit) m_cache.clear();
    m_cache.emplace(key, *counts);
  }
  return counts;
}

std::size_t PokerLogic::CachedMatchups() const {
  const std::lock_guard lock(m_mutex);
  return m_cache.size();
}

double PokerLogic::Hands(const int* hands, int cardsPerHand, int handCount, int mode,
                         const int* board, int boardCount, bool hiLo) const {
  if (hands == nullptr || cardsPerHand <= 0 || cardsPerHand > 5 || handCount < 2 ||
      handCount > kMaxHands || (mode != kModeAll && mode != kModeDeadHand) || boardCount < 0 ||
      boardCount > 5 || (boardCount > 0 && board == nullptr))
    return 0.0;
  Deal deal;
  deal.cardsPerHand = cardsPerHand;
  deal.hiLo = hiLo;
  deal.hands.assign(hands, hands + handCount * cardsPerHand);
  if (mode == kModeDeadHand)
    deal.dead.assign(hands + handCount * cardsPerHand, hands + (handCount + 1) * cardsPerHand);
  deal.board.assign(board, board + boardCount);
  const std::optional<EquityCounts> counts = Equity(deal);
  return counts ? counts->Percent(0) : 0.0;
}

double PokerLogic::RiverEquityHandVsHandOnPreFlopCommon(const int* handA, int cardsPerHand,
                                                        const int* handB) const {
  return RiverEquityHandVsHandOnFlopCommon(handA, cardsPerHand, handB, nullptr, 0);
}

double PokerLogic::RiverEquityHandVsHandOnFlopCommon(const int* handA, int cardsPerHand,
                                                     const int* handB, const int* board,
                                                     int boardCount) const {
  if (handA == nullptr || handB == nullptr || cardsPerHand <= 0 || cardsPerHand > 5) return 0.0;
  std::array<int, 10> both{};
  std::copy(handA, handA + cardsPerHand, both.begin());
  std::copy(handB, handB + cardsPerHand, both.begin() + cardsPerHand);
  return Hands(both.data(), cardsPerHand, 2, kModeAll, board, boardCount, false);
}

double PokerLogic::RiverEquityHandVsHandOnTurnCommon(const int* handA, int cardsPerHand,
                                                     const int* handB, const int* board,
                                                     int boardCount) const {
  return RiverEquityHandVsHandOnFlopCommon(handA, cardsPerHand, handB, board, boardCount);
}

double PokerLogic::RiverEquityHandsOnPreFlopCommon(const int* hands, int cardsPerHand,
                                                   int handCount, int mode) const {
  return Hands(hands, cardsPerHand, handCount, mode, nullptr, 0, false);
}

double PokerLogic::RiverEquityHandsOnFlopCommon(const int* hands, int cardsPerHand, int handCount,
                                                int mode, const int* board) const {
  return Hands(hands, cardsPerHand, handCount, mode, board, 3, false);
}

double PokerLogic::RiverEquityHandsOnTurnCommon(const int* hands, int cardsPerHand, int handCount,
                                                int mode, const int* board) const {
  return Hands(hands, cardsPerHand, handCount, mode, board, 4, false);
}

double PokerLogic::RiverEquityHandsOnPreFlopCommonHL(const int* hands, int cardsPerHand,
                                                     int handCount, int mode) const {
  return Hands(hands, cardsPerHand, handCount, mode, nullptr, 0, true);
}

double PokerLogic::RiverEquityHandsOnFlopCommonHL(const int* hands, int cardsPerHand, int handCount,
                                                  int mode, const int* board) const {
  return Hands(hands, cardsPerHand, handCount, mode, board, 3, true);
}

double PokerLogic::RiverEquityHandsOnTurnCommonHL(const int* hands, int cardsPerHand, int handCount,
                                                  int mode, const int* board) const {
  return Hands(hands, cardsPerHand, handCount, mode, board, 4, true);
}

}  // namespace lumora
