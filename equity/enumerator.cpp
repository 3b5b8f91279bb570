#include "equity/enumerator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>
#include <thread>

#include "equity/bit_count.h"
#include "equity/cards.h"
#include "equity/low_hand.h"
#include "equity/rank_tables.h"

namespace lumora {
namespace {

/// Bit (16 × suit + rank): the four suits' 13-bit rank masks in one word.
constexpr uint64_t SuitBit(int card) {
  return uint64_t{1} << (16 * CardSuit(card) + CardRank(card));
}
constexpr uint16_t SuitRanks(uint64_t suits, int suit) {
  return static_cast<uint16_t>((suits >> (16 * suit)) & 0x1FFF);
}
/// Count of each suit in four 4-bit fields.
constexpr uint32_t SuitCountBit(int card) {
  return uint32_t{1} << (4 * CardSuit(card));
}

/// kChoose[n][k]: ways to pick k of n suits (n, k at most 4).
constexpr uint64_t kChoose[5][5] = {
    {1, 0, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 2, 1, 0, 0}, {1, 3, 3, 1, 0}, {1, 4, 6, 4, 1}};

uint64_t Choose(int n, int k) {
  if (k < 0 || n < k) return 0;
  uint64_t result = 1;
  for (int i = 1; i <= k; ++i) result = result * static_cast<uint64_t>(n - k + i) / i;
  return result;
}

/// What the enumeration needs of one contending hand.
struct HandPlan {
  /// Best high hand without a flush by board row, when worked out in advance
  /// (always for Hold'em; for Omaha when there are more boards than rows).
  const HandValue* rowValues = nullptr;
  std::array<const HandValue*, 10> pairRows{};  ///< Omaha: one row table per hole pair
  int pairCount = 0;
  uint64_t suits = 0;                ///< SuitBit of the hole cards
  const LowScore* lowRow = nullptr;  ///< Omaha low by board low mask
};

struct Tally {
  std::array<uint64_t, kMaxHands> shares{};
};

/// The fixed part of an enumeration, and its two ways of dealing the boards:
/// card by card when part of the board is known (a flop leaves a thousand
/// boards or so), and a rank multiset at a time when the whole board is to
/// come (a million boards and more, but only 6175 multisets).
class Walker {
 public:
  Walker(const Deal& deal, const std::vector<int>& deck, int toDeal)
      : m_tables(RankTables::Get()), m_deck(deck), m_toDeal(toDeal), m_n(deal.HandCount()) {
    uint64_t unit = 1;
    for (int k = 2; k <= m_n; ++k) unit = std::lcm(unit, static_cast<uint64_t>(k));
    m_unit = deal.hiLo ? 2 * unit : unit;
    m_boards = Choose(static_cast<int>(deck.size()), toDeal);
    for (int ties = 1; ties <= kMaxHands; ++ties) {
      m_wholeShare[ties] = m_unit / ties;
      m_halfShare[ties] = m_unit / 2 / ties;
    }

    for (int card : deal.board) {
      m_node = m_tables.Next(m_node, CardRank(card));
      m_suits |= SuitBit(card);
      m_suitCounts += SuitCountBit(card);
      m_low |= LowBit(CardRank(card));
    }
    for (size_t i = 0; i < deck.size(); ++i) {
      m_rank[i] = static_cast<uint8_t>(CardRank(deck[i]));
      m_suitBit[i] = SuitBit(deck[i]);
      m_countBit[i] = SuitCountBit(deck[i]);
      m_lowBit[i] = LowBit(CardRank(deck[i]));
      m_availableSuits[CardRank(deck[i])] |= static_cast<uint8_t>(1u << CardSuit(deck[i]));
      ++m_availableCount[CardRank(deck[i])];
    }
    const bool omaha = deal.cardsPerHand > 2;
    m_ownedRows.resize(m_n);
    for (int h = 0; h < m_n; ++h) {
      const int* hole = &deal.hands[h * deal.cardsPerHand];
      HandPlan& plan = m_plans[h];
      uint8_t low = 0;
      for (int i = 0; i < deal.cardsPerHand; ++i) {
        plan.suits |= SuitBit(hole[i]);
        low |= LowBit(CardRank(hole[i]));
        for (int j = i + 1; j < deal.cardsPerHand; ++j) {
          const int pair = RankTables::PairIndex(CardRank(hole[i]), CardRank(hole[j]));
          plan.pairRows[plan.pairCount++] =
              omaha ? m_tables.OmahaRow(pair) : m_tables.HoldemRow(pair);
        }
      }
      // Only an eight-or-better game splits for low: the low table is built
      // by the first such deal, and a Hold'em run never pays for it.
      if (deal.hiLo) plan.lowRow = OmahaLowTable::Get().Row(low);
      for (int suit = 0; suit < kSuitCount; ++suit)
        m_mostInSuit[suit] = std::max(m_mostInSuit[suit], BitCount(SuitRanks(plan.suits, suit)));
      if (!omaha) {
        plan.rowValues = plan.pairRows[0];
      } else if (m_boards > RankTables::kRows) {
        std::vector<HandValue>& rows = m_ownedRows[h];
        rows.assign(plan.pairRows[0], plan.pairRows[0] + RankTables::kRows);
        for (int p = 1; p < plan.pairCount; ++p)
          for (int row = 0; row < RankTables::kRows; ++row)
            rows[row] = std::max(rows[row], plan.pairRows[p][row]);
        plan.rowValues = rows.data();
      }
    }
  }

  uint64_t Boards() const { return m_boards; }
  uint64_t Unit() const { return m_unit; }

  /// Runs the boards of every rank multiset whose row is `part` modulo
  /// `parts`, when the whole board is to come.
  template <bool kOmaha, bool kHiLo, int kHands>
  void RunByRanks(int part, int parts, Tally& tally) const {
    RankCounts counts{};
    ChooseRanks<kOmaha, kHiLo, kHands>(0, 5, RankTables::kEmptyNode, counts, part, parts, tally);
  }

  /// Runs the boards whose first dealt card is deck[first], or, with nothing
  /// left to deal, the one board.
  /// kHands is the number of hands when fixed at compile time (2 or 3, the
  /// common cases, unrolled), or 0 to read it at run time.
  template <bool kOmaha, bool kHiLo, int kHands>
  void RunFrom(int first, Tally& tally) const {
    const auto deal = [&]<int kLeft>() {
      DealCard<kOmaha, kHiLo, kHands, kLeft>(first, m_node, m_suits, m_suitCounts, m_low, tally);
    };
    switch (m_toDeal) {
      case 0:
        Leaf<kOmaha, kHiLo, kHands>(m_node, m_suits, m_suitCounts, m_low, tally);
        break;
      case 1:
        deal.template operator()<1>();
        break;
      case 2:
        deal.template operator()<2>();
        break;
      case 3:
        deal.template operator()<3>();
        break;
      case 4:
        deal.template operator()<4>();
        break;
      case 5:
        deal.template operator()<5>();
        break;
      default:
        break;
    }
  }

 private:
  /// Deals card deck[first] as the next board card and every completion of
  /// the board after it, the further cards coming later in the deck.
  template <bool kOmaha, bool kHiLo, int kHands, int kLeft>
  void DealCard(int first, uint16_t node, uint64_t suits, uint32_t counts, uint8_t low,
                Tally& tally) const {
    const uint16_t next = m_tables.Next(node, m_rank[first]);
    const uint64_t nextSuits = suits | m_suitBit[first];
    const uint32_t nextCounts = counts + m_countBit[first];
    const uint8_t nextLow = low | m_lowBit[first];
    if constexpr (kLeft == 1) {
      Leaf<kOmaha, kHiLo, kHands>(next, nextSuits, nextCounts, nextLow, tally);
    } else if constexpr (kLeft == 2) {
      // The last card's loop runs most often: its sums stay in a local tally
      // that nothing else can alias.
      Tally local{};
      const int size = static_cast<int>(m_deck.size());
      for (int i = first + 1; i < size; ++i)
        Leaf<kOmaha, kHiLo, kHands>(m_tables.Next(next, m_rank[i]), nextSuits | m_suitBit[i],
                                    nextCounts + m_countBit[i], nextLow | m_lowBit[i], local);
      for (int h = 0; h < Count<kHands>(); ++h) tally.shares[h] += local.shares[h];
    } else {
      const int end = static_cast<int>(m_deck.size()) - (kLeft - 1);
      for (int i = first + 1; i <= end; ++i)
        DealCard<kOmaha, kHiLo, kHands, kLeft - 1>(i, next, nextSuits, nextCounts, nextLow, tally);
    }
  }

  /// The hand's best high hand on the board of `row`; `flushSuit` is the
  /// suit with three or more board cards (-1 for none) and `flushBoard` the
  /// board's ranks in it (0 for none).
  template <bool kOmaha>
  HandValue High(const HandPlan& plan, uint16_t row, int flushSuit, uint16_t flushBoard) const {
    if constexpr (!kOmaha) {
      // Without a flush suit both masks are empty and the look-up gives 0:
      // no branch on a condition as random as the board.
      const uint16_t hole = flushSuit >= 0 ? SuitRanks(plan.suits, flushSuit) : 0;
      return std::max(plan.rowValues[row], m_tables.Flush(flushBoard | hole));
    } else {
      HandValue best = 0;
      if (plan.rowValues != nullptr) {
        best = plan.rowValues[row];
      } else {
        for (int p = 0; p < plan.pairCount; ++p) best = std::max(best, plan.pairRows[p][row]);
      }
      if (flushSuit < 0) return best;
      const uint16_t hole = SuitRanks(plan.suits, flushSuit);
      if ((hole & (hole - 1)) == 0) return best;  // fewer than two suited hole cards
      for (uint16_t a = hole; a != 0; a &= static_cast<uint16_t>(a - 1))
        for (uint16_t b = static_cast<uint16_t>(a & (a - 1)); b != 0;
             b &= static_cast<uint16_t>(b - 1))
          best = std::max(
              best, m_tables.OmahaFlush(flushBoard, static_cast<uint16_t>((a & -a) | (b & -b))));
      return best;
    }
  }

  template <int kHands>
  int Count() const {
    if constexpr (kHands > 0) return kHands;
    return m_n;
  }

  /// Shares a pot part among the hands with the largest value: each gets
  /// shareByTies[number of them], times `boards` that end alike. Branch-free,
  /// as who wins a board is as good as random to the processor.
  template <int kHands, typename Value>
  void Award(const std::array<Value, kMaxHands>& values, const uint64_t* shareByTies,
             uint64_t boards, Tally& tally) const {
    const int n = Count<kHands>();
    Value best = values[0];
    for (int h = 1; h < n; ++h) best = std::max(best, values[h]);
    int ties = 0;
    for (int h = 0; h < n; ++h) ties += values[h] == best;
    const uint64_t share = shareByTies[ties] * boards;
    for (int h = 0; h < n; ++h) tally.shares[h] += values[h] == best ? share : 0;
  }

  /// One board dealt: its suits as SuitBit and suit counts.
  template <bool kOmaha, bool kHiLo, int kHands>
  void Leaf(uint16_t row, uint64_t suits, uint32_t counts, uint8_t low, Tally& tally) const {
    // At most one suit can show three or more of five board cards; a flush
    // needs three board cards of the suit in both games.
    const uint32_t three = (counts + 0x5555) & 0x8888;
    const int flushSuit = three != 0 ? std::countr_zero(three) / 4 : -1;
    const uint16_t flushBoard = flushSuit >= 0 ? SuitRanks(suits, flushSuit) : 0;
    Showdown<kOmaha, kHiLo, kHands>(row, flushSuit, flushBoard, low, 1, tally);
  }

  /// `boards` boards of the rank multiset `row` and low mask `low` whose only
  /// suit of three or more cards is `flushSuit` (-1: none) with the ranks
  /// `flushBoard`.
  template <bool kOmaha, bool kHiLo, int kHands>
  void Showdown(uint16_t row, int flushSuit, uint16_t flushBoard, uint8_t low, uint64_t boards,
                Tally& tally) const {
    const int n = Count<kHands>();
    std::array<HandValue, kMaxHands> high{};
    for (int h = 0; h < n; ++h) high[h] = High<kOmaha>(m_plans[h], row, flushSuit, flushBoard);
    if constexpr (kHiLo) {
      std::array<LowScore, kMaxHands> lows{};
      LowScore bestLow = kNoLow;
      for (int h = 0; h < n; ++h) {
        lows[h] = m_plans[h].lowRow[low];
        bestLow = std::max(bestLow, lows[h]);
      }
      if (bestLow != kNoLow) {
        Award<kHands>(high, m_halfShare.data(), boards, tally);
        Award<kHands>(lows, m_halfShare.data(), boards, tally);
        return;
      }
    }
    Award<kHands>(high, m_wholeShare.data(), boards, tally);
  }

  /// Walks the rank multisets of a whole board from `rank` up, `left` cards
  /// still to place; `counts` holds the multiplicities placed so far.
  template <bool kOmaha, bool kHiLo, int kHands>
  void ChooseRanks(int rank, int left, uint16_t node, RankCounts& counts, int part, int parts,
                   Tally& tally) const {
    if (left == 0) {
      if (node % parts == part) RankMultiset<kOmaha, kHiLo, kHands>(node, counts, tally);
      return;
    }
    if (rank == kRankCount) return;
    const int most = std::min(left, static_cast<int>(m_availableCount[rank]));
    for (int m = 0; m <= most; ++m) {
      counts[rank] = static_cast<uint8_t>(m);
      ChooseRanks<kOmaha, kHiLo, kHands>(rank + 1, left - m, node, counts, part, parts, tally);
      if (m < most) node = m_tables.Next(node, rank);
    }
    counts[rank] = 0;
  }

  /// Every board of one rank multiset at once. Boards differ only in their
  /// suits, and suits matter only through a flush: the boards whose suit s
  /// falls on exactly the ranks S (three or more) end alike, and all boards
  /// without such a suit end alike. Each group is counted and shown down once.
  template <bool kOmaha, bool kHiLo, int kHands>
  void RankMultiset(uint16_t row, const RankCounts& counts, Tally& tally) const {
    std::array<int, 5> ranks{};  // the distinct ranks
    int distinct = 0;
    uint64_t boards = 1;
    uint8_t low = 0;
    for (int rank = 0; rank < kRankCount; ++rank) {
      if (counts[rank] == 0) continue;
      ranks[distinct++] = rank;
      boards *= kChoose[m_availableCount[rank]][counts[rank]];
      low |= LowBit(rank);
    }
    uint64_t withoutFlush = boards;
    for (int suit = 0; distinct >= 3 && suit < kSuitCount; ++suit) {
      const uint8_t suitBit = static_cast<uint8_t>(1u << suit);
      // Ranks (as bits over `ranks`) of which a card of this suit is left.
      unsigned open = 0;
      for (int i = 0; i < distinct; ++i)
        if (m_availableSuits[ranks[i]] & suitBit) open |= 1u << i;
      for (unsigned chosen = open; chosen != 0; chosen = (chosen - 1) & open) {
        const int size = BitCount(static_cast<uint16_t>(chosen));
        if (size < 3 || !FlushCanPlay<kOmaha>(suit, size)) continue;
        uint64_t count = 1;
        uint16_t flushBoard = 0;
        for (int i = 0; i < distinct; ++i) {
          const int rank = ranks[i];
          const int others = m_availableCount[rank] - ((m_availableSuits[rank] >> suit) & 1);
          if (chosen & (1u << i)) {
            count *= kChoose[others][counts[rank] - 1];
            flushBoard |= static_cast<uint16_t>(1u << rank);
          } else {
            count *= kChoose[others][counts[rank]];
          }
        }
        if (count == 0) continue;
        withoutFlush -= count;
        Showdown<kOmaha, kHiLo, kHands>(row, suit, flushBoard, low, count, tally);
      }
    }
    if (withoutFlush != 0) Showdown<kOmaha, kHiLo, kHands>(row, -1, 0, low, withoutFlush, tally);
  }

  /// Whether a board with `size` cards of `suit` can give any hand a flush;
  /// when none can, those boards end as boards without a flush.
  template <bool kOmaha>
  bool FlushCanPlay(int suit, int size) const {
    if constexpr (kOmaha) return m_mostInSuit[suit] >= 2;
    return size + m_mostInSuit[suit] >= 5;
  }

  const RankTables& m_tables;
  const std::vector<int>& m_deck;
  int m_toDeal;
  int m_n;
  uint64_t m_unit = 1;
  uint64_t m_boards = 0;
  uint16_t m_node = RankTables::kEmptyNode;
  uint64_t m_suits = 0;
  uint32_t m_suitCounts = 0;
  uint8_t m_low = 0;
  std::array<uint8_t, kCardCount> m_rank{};
  std::array<uint64_t, kCardCount> m_suitBit{};
  std::array<uint32_t, kCardCount> m_countBit{};
  std::array<uint8_t, kCardCount> m_lowBit{};
  std::array<HandPlan, kMaxHands> m_plans{};
  std::vector<std::vector<HandValue>> m_ownedRows;
  std::array<uint8_t, kRankCount> m_availableSuits{};  ///< suits left in the deck by rank
  std::array<uint8_t, kRankCount> m_availableCount{};  ///< cards left in the deck by rank
  std::array<int, kSuitCount> m_mostInSuit{};          ///< most hole cards of a suit in one hand
  std::array<uint64_t, kMaxHands + 1> m_wholeShare{};  ///< a whole pot's share by tie count
  std::array<uint64_t, kMaxHands + 1> m_halfShare{};   ///< half a pot's share by tie count
};

template <bool kOmaha, bool kHiLo, int kHands>
Tally Run(const Walker& walker, int deckSize, int toDeal, unsigned threads) {
  Tally total;
  if (toDeal == 0) {
    walker.RunFrom<kOmaha, kHiLo, kHands>(0, total);
  } else if (toDeal < 5) {
    // A flop or turn has at most a thousand boards or so: one thread.
    for (int first = 0; first <= deckSize - toDeal; ++first)
      walker.RunFrom<kOmaha, kHiLo, kHands>(first, total);
  } else {
    // The whole board to come: the rank multisets are shared out among the
    // threads, each summing its own tally.
    std::vector<Tally> tallies(std::max(1u, threads));
    const int parts = static_cast<int>(tallies.size());
    std::vector<std::thread> helpers;
    for (int part = 1; part < parts; ++part)
      helpers.emplace_back([&walker, &tallies, part, parts] {
        walker.RunByRanks<kOmaha, kHiLo, kHands>(part, parts, tallies[part]);
      });
    walker.RunByRanks<kOmaha, kHiLo, kHands>(0, parts, tallies[0]);
    for (std::thread& helper : helpers) helper.join();
    for (const Tally& tally : tallies)
      for (int h = 0; h < kMaxHands; ++h) total.shares[h] += tally.shares[h];
  }
  return total;
}

}  // namespace

double EquityCounts::Percent(int hand) const {
  if (boards == 0 || unit == 0 || hand < 0 || hand >= static_cast<int>(shares.size())) return 0.0;
  // Both integers are exact in a double, so the one rounding is the division's.
  return 100.0 * static_cast<double>(shares[hand]) / static_cast<double>(boards * unit);
}

std::wstring DealError(const Deal& deal) {
  if (deal.cardsPerHand != 2 && deal.cardsPerHand != 4 && deal.cardsPerHand != 5)
    return L"a hand must hold 2 cards (Hold'em), 4 (Omaha) or 5 (five-card Omaha), not " +
           std::to_wstring(deal.cardsPerHand);
  if (deal.hands.size() % deal.cardsPerHand != 0)
    return L"the hands do not all hold " + std::to_wstring(deal.cardsPerHand) + L" cards";
  if (deal.HandCount() < 2 || deal.HandCount() > kMaxHands)
    return L"2 to " + std::to_wstring(kMaxHands) + L" hands must contend, not " +
           std::to_wstring(deal.HandCount());
  if (deal.board.size() > 5)
    return L"a board holds at most 5 cards, not " + std::to_wstring(deal.board.size());
  if (deal.hiLo && deal.cardsPerHand == 2)
    return L"the hi-lo split is played with Omaha hands only";
  std::vector<int> all = deal.hands;
  all.insert(all.end(), deal.board.begin(), deal.board.end());
  all.insert(all.end(), deal.dead.begin(), deal.dead.end());
  for (int card : all)
    if (card < 0 || card >= kCardCount)
      return L"card index " + std::to_wstring(card) + L" names no card";
  if (const std::optional<int> repeated = FindRepeatedCard(all))
    return L"the card " + CardName(*repeated) + L" is given twice";
  if (kCardCount - static_cast<int>(all.size()) < 5 - static_cast<int>(deal.board.size()))
    return L"too few cards are left to complete the board";
  return {};
}

std::optional<EquityCounts> EnumerateEquity(const Deal& deal, unsigned threads) {
  if (!DealError(deal).empty()) return std::nullopt;
  std::array<bool, kCardCount> used{};
  for (const auto* cards : {&deal.hands, &deal.board, &deal.dead})
    for (int card : *cards) used[card] = true;
  std::vector<int> deck;
  for (int card = 0; card < kCardCount; ++card)
    if (!used[card]) deck.push_back(card);
  const int toDeal = 5 - static_cast<int>(deal.board.size());

  const Walker walker(deal, deck, toDeal);
  const int size = static_cast<int>(deck.size());
  const bool omaha = deal.cardsPerHand > 2;
  const auto run = [&]<bool kOmaha, bool kHiLo>() {
    switch (deal.HandCount()) {
      case 2:
        return Run<kOmaha, kHiLo, 2>(walker, size, toDeal, threads);
      case 3:
        return Run<kOmaha, kHiLo, 3>(walker, size, toDeal, threads);
      default:
        return Run<kOmaha, kHiLo, 0>(walker, size, toDeal, threads);
    }
  };
  const Tally tally = !omaha      ? run.template operator()<false, false>()
                      : deal.hiLo ? run.template operator()<true, true>()
                                  : run.template operator()<true, false>();

  EquityCounts counts;
  counts.boards = walker.Boards();
  counts.unit = walker.Unit();
  counts.shares.assign(tally.shares.begin(), tally.shares.begin() + deal.HandCount());
  return counts;
}

}  // namespace lumora
