#include "history/poker888.h"

#include <gtest/gtest.h>

#include "tests/history/history_test_support.h"
#include "tests/support/scoped_time_zone.h"

namespace lumora {
namespace {

using testing::BobsFilter;
using testing::Lines;
using testing::ViewsOf;

constexpr std::wstring_view kOpening =
    LR"(
  #Game No : 5001
  ***** 888poker Hand History for Game 5001 *****
  $0.05/$0.10 Blinds No Limit Holdem - *** 05 03 2024 12:00:00
  Table Lyon 6 Max (Real Money)
  Seat 1 is the button
  Total number of players : 3
  Seat 1: Ann ( $10 )
  Seat 2: Bob ( $10 )
  Seat 3: Bobby ( $10 )
)";

HandReading Read(std::wstring_view body, HandFilter filter = BobsFilter(),
                 std::wstring_view opening = kOpening, int32_t expectedBigBlind = 10) {
  filter.room = 2;
  bool headerSeen = false;
  const auto lines = Lines(std::wstring(opening) + std::wstring(body));
  return Read888Hand(L"f", filter, ViewsOf(lines), 2, expectedBigBlind, headerSeen,
                     testing::Engine());
}

TEST(Header888, ReadsDayMonthYearAndBothForms) {
  testing::ScopedTimeZone zone("UTC");
  const HandHeader blinds =
      Read888Header(L"$0.05/$0.10 Blinds No Limit Holdem - *** 05 03 2024 12:00:00");
  EXPECT_TRUE(blinds.matched);
  EXPECT_EQ(blinds.startTime, 1709640000);  // 5 March
  EXPECT_EQ(blinds.bigBlindCents, 10);
  const HandHeader flopomania =
      Read888Header(L"\u20AC0.10 Ante NL Flopomania - *** 05 03 2024 12:00:00");
  EXPECT_EQ(flopomania.bigBlindCents, 10);
  EXPECT_EQ(flopomania.currency, 1);
  EXPECT_TRUE(
      Read888Header(L"$0.05/$0.10 Blinds No Limit Holdem - *** 05 13 2024 12:00:00").badDate);
  EXPECT_FALSE(Read888Header(L"Blinds 0.05/0.10").matched);
}

TEST(Hand888, RejectsHandsTheHeroWasNotDealtOrCannotBeTrusted) {
  EXPECT_FALSE(Read(L"Bob posts big blind [$0.10]\nBob folds").accepted);  // before the deal
  EXPECT_FALSE(Read(L"Bob posts big blind [$0.20]\n** Dealing down cards **").accepted);
  EXPECT_FALSE(Read(L"Bob posts big blind [$0.10]\nTable Closed").accepted);
  HandFilter headsUp = BobsFilter();
  headsUp.maxPl = 2;
  EXPECT_FALSE(Read(L"** Dealing down cards **\nBob folds\n** Summary **", headsUp).accepted);
  // A fold before the deal takes a player off the count: three become two.
  HandFilter threeOrMore = BobsFilter();
  threeOrMore.minPl = 3;
  EXPECT_FALSE(Read(L"Bobby folds\n** Dealing down cards **\nBob folds\n** Summary **", threeOrMore)
                   .accepted);
  EXPECT_TRUE(Read(L"** Dealing down cards **\nBobby folds\nBob folds\n** Summary **", threeOrMore)
                  .accepted);
  // A blind posted by a table the hero has no seat at.
  EXPECT_FALSE(Read(L"Zed posts big blind [$0.10]", BobsFilter(),
                    LR"(
    #Game No : 5003
    Total number of players : 2
    Seat 1: Zed ( $10 )
  )")
                   .accepted);
}

TEST(Hand888, WithoutAnExpectedBigBlindTheHandsOwnIsTheTables) {
  // A database run over every limit knows no big blind: a walk is still a walk.
  const std::wstring_view walk =
      LR"(
    Bobby posts small blind [$0.25]
    Bob posts big blind [$0.50]
    ** Dealing down cards **
    Ann folds
    Bobby folds
    ** Summary **
    Bob collected [ $0.75 ])";
  const HandReading anyLimit = Read(walk, BobsFilter(), kOpening, 0);
  EXPECT_TRUE(anyLimit.accepted);
  EXPECT_DOUBLE_EQ(anyLimit.resultCents, 25);
  EXPECT_FALSE(Read(walk).accepted);  // a file at 0.10 refuses the hand
}

TEST(Hand888, ABlindPostedAllInAndADeadBlindCountAsTheChipsShow) {
  // A big blind short of the table's because it is all the hero has.
  const HandReading shortBlind = Read(
      LR"(
    Ann posts small blind [$0.05]
    Bob posts big blind [$0.04]
    ** Dealing down cards **
    Ann calls [$0.05]
    ** Summary **
    Ann shows [ Ac, Ad ]
    Bob shows [ 7c, 2d ]
    Ann collected [ $0.08 ])",
      BobsFilter(),
      std::wstring(kOpening).replace(kOpening.find(L"Bob ( $10 )"), 11, L"Bob ( $0.04 )"));
  EXPECT_TRUE(shortBlind.accepted);
  EXPECT_DOUBLE_EQ(shortBlind.resultCents, -4);
  // "[$0.05 + $0.10]": the small blind is dead, the big one live and called.
  const HandReading dead = Read(
      LR"(
    Ann posts small blind [$0.05]
    Bobby posts big blind [$0.10]
    Bob posts dead blind [$0.05 + $0.10]
    ** Dealing down cards **
    Ann calls [$0.05]
    Bobby checks
    Bob checks
    ** Summary **
    Bob collected [ $0.35 ])");
  EXPECT_DOUBLE_EQ(dead.resultCents, 20);
}

}  // namespace
}  // namespace lumora
