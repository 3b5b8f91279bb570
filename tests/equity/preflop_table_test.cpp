#include "equity/preflop_table.h"

#include <gtest/gtest.h>

#include <random>

#include "equity_test_support.h"

namespace lumora {
namespace {

using testing::Cards;

TEST(PreflopTable, AgreesWithTheEnumerator) {
  std::mt19937 random(1326);
  for (int i = 0; i < 4; ++i) {
    const Deal deal = testing::RandomDeal(random, 2, 2, 0, 0, false);
    const auto shipped = PreflopHeadsUpCounts(deal.hands);
    const auto enumerated = EnumerateEquity(deal, 2);
    ASSERT_TRUE(shipped);
    EXPECT_EQ(shipped->shares, enumerated->shares);
    EXPECT_EQ(shipped->boards * shipped->unit, enumerated->boards * enumerated->unit);
  }
}

TEST(PreflopTable, SwappedHandsShareThePot) {
  const auto ab = PreflopHeadsUpCounts(Cards(L"AsKs QhQd"));
  const auto ba = PreflopHeadsUpCounts(Cards(L"QhQd AsKs"));
  ASSERT_TRUE(ab && ba);
  EXPECT_EQ(ab->shares[0], ba->shares[1]);
  EXPECT_EQ(ab->shares[0] + ab->shares[1], kPreflopHeadsUpBoards * kPreflopHeadsUpUnit);
  // A matchup that is its own mirror image splits evenly.
  const auto mirror = PreflopHeadsUpCounts(Cards(L"AsKs AhKh"));
  ASSERT_TRUE(mirror);
  EXPECT_EQ(mirror->shares[0], mirror->shares[1]);
}

}  // namespace
}  // namespace lumora
