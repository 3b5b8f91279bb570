#include "equity/poker_logic.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "equity_test_support.h"
#include "reference_poker.h"

namespace lumora {
namespace {

using testing::Cards;
using testing::RandomDeal;

const PokerLogic& Logic() {
  static const PokerLogic logic;
  return logic;
}

/// Hand `hand`'s equity in percent, rounded to five decimals as reported.
double Rounded(double percent) {
  return std::round(percent * 1e5) / 1e5;
}

double EquityOf(std::initializer_list<std::wstring_view> hands, std::wstring_view board = L"",
                std::wstring_view dead = L"", bool hiLo = false, int hand = 0) {
  Deal deal;
  deal.hiLo = hiLo;
  for (std::wstring_view text : hands) {
    const std::vector<int> cards = Cards(text);
    deal.cardsPerHand = static_cast<int>(cards.size());
    deal.hands.insert(deal.hands.end(), cards.begin(), cards.end());
  }
  deal.board = Cards(board);
  deal.dead = Cards(dead);
  const std::optional<EquityCounts> counts = Logic().Equity(deal);
  EXPECT_TRUE(counts.has_value());
  return counts ? Rounded(counts->Percent(hand)) : -1.0;
}

TEST(KnownEquities, HoldemHeadsUp) {
  EXPECT_DOUBLE_EQ(EquityOf({L"AhAs", L"KdKc"}), 81.25549);
  EXPECT_DOUBLE_EQ(EquityOf({L"AsKs", L"QhQd"}), 46.21446);
  EXPECT_DOUBLE_EQ(EquityOf({L"AhAs", L"KdKc"}, L"2c7h9d"), 91.61616);
  EXPECT_DOUBLE_EQ(EquityOf({L"AhAs", L"KdKc"}, L"2c7h9dTs"), 95.45455);
  EXPECT_DOUBLE_EQ(EquityOf({L"AhAs", L"KdKc"}, L"", L"QsQh"), 80.44397);
}

TEST(KnownEquities, HoldemThreeWay) {
  EXPECT_DOUBLE_EQ(EquityOf({L"AsKs", L"QhQd", L"JcTc"}, L"", L"", false, 0), 40.20918);
  EXPECT_DOUBLE_EQ(EquityOf({L"AsKs", L"QhQd", L"JcTc"}, L"", L"", false, 1), 41.05449);
  EXPECT_DOUBLE_EQ(EquityOf({L"AsKs", L"QhQd", L"JcTc"}, L"", L"", false, 2), 18.73633);
}

TEST(KnownEquities, Omaha) {
  EXPECT_DOUBLE_EQ(EquityOf({L"AsAhKsKh", L"JdTd9c8c"}), 61.48132);
  EXPECT_DOUBLE_EQ(EquityOf({L"AsAhKsKh", L"JdTd9c8c"}, L"", L"", true), 61.48132);
  EXPECT_DOUBLE_EQ(EquityOf({L"AsAhKsKh", L"JdTd9c8c"}, L"Qs7d2c"), 76.46341);
  EXPECT_DOUBLE_EQ(EquityOf({L"AsAhKsKh", L"JdTd9c8c"}, L"", L"QcQd7s6s"), 61.91460);
  EXPECT_DOUBLE_EQ(EquityOf({L"AcAd2c3d", L"KhQhJsTs"}, L"", L"", true), 67.28933);
}

TEST(KnownEquities, FiveCardOmaha) {
  EXPECT_DOUBLE_EQ(EquityOf({L"AsAhKsKhQd", L"JdTd9c8c7h"}), 55.16218);
}

TEST(EngineFunctions, HeadsUpFunctionsAgreeWithTheDeal) {
  const std::vector<int> a = Cards(L"AhAs");
  const std::vector<int> b = Cards(L"KdKc");
  const std::vector<int> flop = Cards(L"2c7h9dTs");
  EXPECT_NEAR(Logic().RiverEquityHandVsHandOnPreFlopCommon(a.data(), 2, b.data()), 81.25549, 5e-6);
  EXPECT_NEAR(Logic().RiverEquityHandVsHandOnFlopCommon(a.data(), 2, b.data(), flop.data(), 3),
              91.61616, 5e-6);
  EXPECT_NEAR(Logic().RiverEquityHandVsHandOnTurnCommon(a.data(), 2, b.data(), flop.data(), 4),
              95.45455, 5e-6);
}

TEST(EngineFunctions, DeadHandModeTakesTheThirdHandOutOfTheDeck) {
  const std::vector<int> packed = Cards(L"AhAs KdKc QsQh");
  const double dead =
      Logic().RiverEquityHandsOnPreFlopCommon(packed.data(), 2, 2, PokerLogic::kModeDeadHand);
  EXPECT_NEAR(dead, 80.44397, 5e-6);
  const double threeWay =
      Logic().RiverEquityHandsOnPreFlopCommon(packed.data(), 2, 3, PokerLogic::kModeAll);
  EXPECT_LT(threeWay, dead);
  const std::vector<int> omaha = Cards(L"AsAhKsKh JdTd9c8c QcQd7s6s");
  EXPECT_NEAR(
      Logic().RiverEquityHandsOnPreFlopCommonHL(omaha.data(), 4, 2, PokerLogic::kModeDeadHand),
      61.91460, 5e-6);
}

TEST(EngineFunctions, BoardFunctionsTakeTheirStreetsCardCount) {
  const std::vector<int> hands = Cards(L"AsAhKsKh JdTd9c8c");
  const std::vector<int> board = Cards(L"Qs7d2c3h");
  Deal turn{4, hands, board, {}, false};
  EXPECT_DOUBLE_EQ(Logic().RiverEquityHandsOnTurnCommon(hands.data(), 4, 2, 0, board.data()),
                   Logic().Equity(turn)->Percent(0));
  EXPECT_NEAR(Logic().RiverEquityHandsOnFlopCommon(hands.data(), 4, 2, 0, board.data()), 76.46341,
              5e-6);
  EXPECT_GT(Logic().RiverEquityHandsOnFlopCommonHL(hands.data(), 4, 2, 0, board.data()), 0.0);
  EXPECT_GT(Logic().RiverEquityHandsOnTurnCommonHL(hands.data(), 4, 2, 0, board.data()), 0.0);
}

TEST(EngineFunctions, ZeroMeansNoResult) {
  const std::vector<int> hands = Cards(L"AhAs KdKc");
  std::vector<int> clash = Cards(L"AhAs");
  clash.push_back(Cards(L"Ah")[0]);
  clash.push_back(Cards(L"Kc")[0]);
  EXPECT_EQ(Logic().RiverEquityHandsOnPreFlopCommon(clash.data(), 2, 2, 0), 0.0);
  EXPECT_EQ(Logic().RiverEquityHandsOnPreFlopCommon(hands.data(), 2, 2, 3), 0.0);  // no mode 3
  EXPECT_EQ(Logic().RiverEquityHandsOnPreFlopCommon(hands.data(), 3, 1, 0), 0.0);
  EXPECT_EQ(Logic().RiverEquityHandsOnPreFlopCommonHL(hands.data(), 2, 2, 0), 0.0);  // Hold'em
  const std::vector<int> badCard = {60, 1, 2, 3};
  EXPECT_EQ(Logic().RiverEquityHandVsHandOnPreFlopCommon(badCard.data(), 2, badCard.data() + 2),
            0.0);
  // A hand that cannot win also reads as no result.
  const std::vector<int> board = Cards(L"AdAc2c3d");
  const std::vector<int> drawingDead = Cards(L"KdKc AhAs");
  EXPECT_EQ(Logic().RiverEquityHandsOnTurnCommon(drawingDead.data(), 2, 2, 0, board.data()), 0.0);
}

TEST(EngineFunctions, RiverBoardIsOneShowdown) {
  EXPECT_DOUBLE_EQ(EquityOf({L"AhAs", L"KdKc"}, L"2c7h9dTs3c"), 100.0);
  EXPECT_DOUBLE_EQ(EquityOf({L"AhKh", L"AdKd"}, L"2c7h9dTs3c"), 50.0);
}

TEST(Cache, RemembersMatchupsUpToSuitSymmetry) {
  const PokerLogic logic(1);
  const auto ask = [&](std::wstring_view hands, std::wstring_view board) {
    Deal deal{2, Cards(hands), Cards(board), {}, false};
    return logic.Equity(deal)->shares;
  };
  const auto first = ask(L"AhAs KdKc", L"2c7h9d");
  EXPECT_EQ(logic.CachedMatchups(), 1u);
  // The same matchup with the suits renamed and the cards reordered.
  EXPECT_EQ(ask(L"AsAc KhKd", L"9h2d7c"), first);
  EXPECT_EQ(logic.CachedMatchups(), 1u);
  ask(L"KdKc AhAs", L"2c7h9d");
  EXPECT_EQ(logic.CachedMatchups(), 2u);
}

TEST(Cache, EnginesOnSeveralThreadsGetTheSameCounts) {
  const PokerLogic logic(2);
  Deal deal{4, Cards(L"AsAhKsKh JdTd9c8c"), Cards(L"Qs7d2c"), {}, true};
  const auto expected = EnumerateEquity(deal, 1)->shares;
  std::vector<std::vector<uint64_t>> results(4);
  std::vector<std::thread> threads;
  for (auto& result : results)
    threads.emplace_back([&logic, &deal, &result] { result = logic.Equity(deal)->shares; });
  for (auto& thread : threads) thread.join();
  for (const auto& result : results) EXPECT_EQ(result, expected);
}

/// A variant of the game for the comparisons with the reference.
struct Variant {
  const char* name;
  int perHand;
  int hands;
  int dead;
  bool hiLo;
};

constexpr Variant kVariants[] = {
    {"Hold'em heads-up", 2, 2, 0, false},
    {"Hold'em three-way", 2, 3, 0, false},
    {"Hold'em dead hand", 2, 2, 2, false},
    {"Hold'em six-way", 2, 6, 0, false},
    {"Omaha heads-up", 4, 2, 0, false},
    {"Omaha three-way", 4, 3, 0, false},
    {"Omaha dead hand", 4, 2, 4, false},
    {"Omaha hi-lo", 4, 2, 0, true},
    {"Omaha hi-lo three-way", 4, 3, 0, true},
    {"Five-card Omaha", 5, 2, 0, false},
    {"Five-card Omaha three-way", 5, 3, 0, false},
    {"Five-card Omaha hi-lo", 5, 2, 0, true},
    {"Five-card Omaha hi-lo three-way", 5, 3, 5, true},
};

TEST(AgainstReference, RandomDealsOfEveryVariantOnEveryStreet) {
  std::mt19937 random(20240611);
  for (const Variant& v : kVariants) {
    // Many rivers, fewer turns and a few flops: the reference is slow. The
    // flop walk is the turn walk one level deeper, so three-way Omaha, the
    // slowest to check, is checked on the river and the turn.
    const bool holdem = v.perHand == 2;
    const int flops = holdem ? 3 : v.hands == 2 ? 1 : 0;
    for (const auto& [boardCount, deals] : {std::pair{5, 200}, {4, holdem ? 20 : 8}, {3, flops}}) {
      for (int i = 0; i < deals; ++i) {
        const Deal deal = RandomDeal(random, v.perHand, v.hands, boardCount, v.dead, v.hiLo);
        const auto fast = EnumerateEquity(deal, 2);
        ASSERT_TRUE(fast) << v.name;
        const EquityCounts slow = reference::Equity(deal);
        ASSERT_EQ(fast->boards, slow.boards) << v.name;
        ASSERT_EQ(fast->unit, slow.unit) << v.name;
        ASSERT_EQ(fast->shares, slow.shares) << v.name << " with " << boardCount << " board cards";
      }
    }
  }
}

TEST(AgainstReference, PreflopCountsAreTheSumOfTheFlopsCounts) {
  // Each five-card board holds ten flops, so summing the flop enumerations
  // over every flop counts each board ten times: a check of the whole-board
  // enumeration by rank multisets (its suit counting, threads and per-hand
  // row tables) against the card-by-card walk, which the reference checks.
  // Dead cards shrink the deck to 29 cards: still more boards than the
  // engine's thresholds for threads and row tables, but a quick test.
  std::mt19937 random(7);
  for (const Variant& v :
       {Variant{"Hold'em", 2, 3, 17, false}, Variant{"Omaha hi-lo", 4, 2, 15, true}}) {
    const Deal deal = RandomDeal(random, v.perHand, v.hands, 0, v.dead, v.hiLo);
    const auto preflop = EnumerateEquity(deal, 2);
    ASSERT_TRUE(preflop);
    std::vector<int> deck;
    for (int card = 0; card < kCardCount; ++card)
      if (std::find(deal.hands.begin(), deal.hands.end(), card) == deal.hands.end() &&
          std::find(deal.dead.begin(), deal.dead.end(), card) == deal.dead.end())
        deck.push_back(card);
    std::vector<uint64_t> sum(deal.HandCount(), 0);
    for (size_t a = 0; a < deck.size(); ++a)
      for (size_t b = a + 1; b < deck.size(); ++b)
        for (size_t c = b + 1; c < deck.size(); ++c) {
          Deal flop = deal;
          flop.board = {deck[a], deck[b], deck[c]};
          const auto counts = EnumerateEquity(flop, 1);
          for (int h = 0; h < deal.HandCount(); ++h) sum[h] += counts->shares[h];
        }
    for (int h = 0; h < deal.HandCount(); ++h) EXPECT_EQ(sum[h], 10 * preflop->shares[h]) << v.name;
  }
}

TEST(AgainstReference, ThreadCountDoesNotChangeTheCounts) {
  Deal deal{5, Cards(L"AsAhKsKhQd JdTd9c8c7h 2c3c4d5d6h"), {}, {}, true};
  EXPECT_EQ(EnumerateEquity(deal, 1)->shares, EnumerateEquity(deal, 2)->shares);
}

}  // namespace
}  // namespace lumora
