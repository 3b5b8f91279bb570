#include <gtest/gtest.h>

#include <random>

#include "equity/evaluators.h"
#include "equity/rank_tables.h"
#include "equity_test_support.h"
#include "reference_poker.h"

namespace lumora {
namespace {

using testing::Cards;

HandValue Holdem(std::wstring_view hole, std::wstring_view board) {
  const std::vector<int> h = Cards(hole);
  const std::vector<int> b = Cards(board);
  return HoldemHigh(std::span<const int, 2>(h.data(), 2), std::span<const int, 5>(b.data(), 5));
}

HandValue Omaha(std::wstring_view hole, std::wstring_view board) {
  const std::vector<int> b = Cards(board);
  return OmahaHigh(Cards(hole), std::span<const int, 5>(b.data(), 5));
}

LowScore Low(std::wstring_view hole, std::wstring_view board) {
  const std::vector<int> b = Cards(board);
  return OmahaLow(Cards(hole), std::span<const int, 5>(b.data(), 5));
}

TEST(RankTables, CountRankMultisets) {
  // Every board row and node is reached, and the tables stay small.
  const RankTables& tables = RankTables::Get();
  EXPECT_LT(tables.MemoryBytes(), 3u << 20);
  std::vector<bool> seen(RankTables::kRows, false);
  for (int a = 0; a < 13; ++a)
    for (int b = a; b < 13; ++b)
      for (int c = b; c < 13; ++c)
        for (int d = c; d < 13; ++d)
          for (int e = d; e < 13; ++e) {
            if (a == e) continue;  // five of one rank
            uint16_t node = RankTables::kEmptyNode;
            for (int rank : {a, b, c, d, e}) node = tables.Next(node, rank);
            ASSERT_LT(node, RankTables::kRows);
            EXPECT_FALSE(seen[node]);
            seen[node] = true;
          }
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), RankTables::kRows);
}

TEST(HoldemHigh, HandlesTheCornerCases) {
  // The wheel is the lowest straight, and the steel wheel a straight flush.
  EXPECT_EQ(CategoryOf(Holdem(L"Ah 2d", L"3c 4h 5s Kd Qc")), HandCategory::kStraight);
  EXPECT_LT(Holdem(L"Ah 2d", L"3c 4h 5s Kd Qc"), Holdem(L"6h 2d", L"3c 4h 5s Kd Qc"));
  EXPECT_EQ(CategoryOf(Holdem(L"Ah 2h", L"3h 4h 5h Kd Qc")), HandCategory::kStraightFlush);
  // Two sets make a full house of the higher set over the lower.
  EXPECT_GT(Holdem(L"9h 9d", L"9c 4h 4s 4d Qc"), Holdem(L"Qh Qd", L"9c 4h 4s 4d 2c"));
  // Of three pairs the third gives the kicker.
  EXPECT_EQ(Holdem(L"Kh Kd", L"Qc Qh 7s 7d 2c"), Holdem(L"Kh Kd", L"Qc Qh 7s 7d 6c"));
  EXPECT_LT(Holdem(L"Kh Kd", L"Qc Qh 7s 7d 2c"), Holdem(L"Kh Kd", L"Qc Qh 7s 7d Ac"));
  // Quads on the board play with the best fifth card, wherever it is.
  EXPECT_GT(Holdem(L"Ah 2d", L"7c 7h 7s 7d Kc"), Holdem(L"Qh Qd", L"7c 7h 7s 7d Kc"));
  EXPECT_EQ(Holdem(L"Qh Qd", L"7c 7h 7s 7d Kc"), Holdem(L"3h 2d", L"7c 7h 7s 7d Kc"));
  // A board straight is shared.
  EXPECT_EQ(Holdem(L"2h 3d", L"6c 7h 8s 9d Tc"), Holdem(L"Ah Kd", L"6c 7h 8s 9d Tc"));
}

TEST(OmahaHigh, UsesExactlyTwoHoleAndThreeBoardCards) {
  // Four hearts on the board and one in the hand is no flush.
  EXPECT_NE(CategoryOf(Omaha(L"Ah Kc Qd Js", L"2h 5h 8h 9h 3c")), HandCategory::kFlush);
  EXPECT_EQ(CategoryOf(Omaha(L"Ah Kh Qd Js", L"2h 5h 8h 9c 3c")), HandCategory::kFlush);
  // Quads on the board play as trips with the hand's best pair of cards.
  EXPECT_EQ(CategoryOf(Omaha(L"Ah Kc Qd Js", L"7h 7c 7d 7s 2c")), HandCategory::kThreeOfAKind);
  // A straight needs three of its cards from the board: the ace alone with
  // K-Q-J-T in the hand is none.
  EXPECT_EQ(CategoryOf(Omaha(L"Th Jc Qd Ks", L"Ah 2c 3d 8s 7c")), HandCategory::kHighCard);
  EXPECT_EQ(CategoryOf(Omaha(L"Qd Jc 2s 3h", L"Ah Kc Td 8s 7c")), HandCategory::kStraight);
}

TEST(OmahaLow, NeedsFiveDistinctRanksOfEightOrBelow) {
  EXPECT_EQ(Low(L"Ac 2d Kh Ks", L"3c 4d 5h Qs Jc"), ScoreOfLow(0x1F));  // the wheel
  EXPECT_EQ(Low(L"Ac 2d Kh Ks", L"3c 4d 9h Qs Jc"), kNoLow);            // two low board cards
  EXPECT_EQ(Low(L"Ac Kd Kh Ks", L"3c 4d 5h 6s 7c"), kNoLow);            // one low hole card
  // A hole card that pairs the board is counterfeited; the next best pair plays.
  EXPECT_GT(Low(L"Ac 2d 3h Ks", L"2c 4d 5h Qs Jc"), Low(L"Ac 6d 7h Ks", L"2c 4d 5h Qs Jc"));
  EXPECT_GT(Low(L"Ac 2d Kh Ks", L"3c 4d 6h Qs 7c"), Low(L"Ac 2d Kh Ks", L"3c 4d 8h Qs 7c"));
}

TEST(AgainstReference, SingleBoardsOrderHandsAsTheReference) {
  std::mt19937 random(42);
  for (int i = 0; i < 1000; ++i) {
    for (int perHand : {2, 4, 5}) {
      const Deal deal = testing::RandomDeal(random, perHand, 2, 5, 0, false);
      const std::span<const int, 5> board(deal.board.data(), 5);
      const std::vector<int> a(deal.hands.begin(), deal.hands.begin() + perHand);
      const std::vector<int> b(deal.hands.begin() + perHand, deal.hands.end());
      HandValue fastA, fastB;
      reference::HighRank slowA, slowB;
      if (perHand == 2) {
        fastA = HoldemHigh(std::span<const int, 2>(a.data(), 2), board);
        fastB = HoldemHigh(std::span<const int, 2>(b.data(), 2), board);
        std::vector<int> sevenA = a, sevenB = b;
        sevenA.insert(sevenA.end(), deal.board.begin(), deal.board.end());
        sevenB.insert(sevenB.end(), deal.board.begin(), deal.board.end());
        slowA = reference::BestOfAny(sevenA);
        slowB = reference::BestOfAny(sevenB);
      } else {
        fastA = OmahaHigh(a, board);
        fastB = OmahaHigh(b, board);
        slowA = reference::BestOmaha(a, deal.board);
        slowB = reference::BestOmaha(b, deal.board);
        const auto slowLowA = reference::BestOmahaLow(a, deal.board);
        const auto slowLowB = reference::BestOmahaLow(b, deal.board);
        const LowScore lowA = OmahaLow(a, board);
        const LowScore lowB = OmahaLow(b, board);
        ASSERT_EQ(lowA != kNoLow, slowLowA.has_value());
        if (slowLowA && slowLowB) {
          ASSERT_EQ(lowA > lowB, *slowLowA < *slowLowB);
        }
      }
      ASSERT_EQ(static_cast<int>(CategoryOf(fastA)), slowA[0]);
      ASSERT_EQ(fastA < fastB, slowA < slowB);
      ASSERT_EQ(fastA == fastB, slowA == slowB);
    }
  }
}

}  // namespace
}  // namespace lumora
