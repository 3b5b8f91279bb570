#include "history/tiger_gaming.h"

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
  Tiger Gaming Game #4001: Hold'em No Limit ($0.05/0.10) - 2024/03/05 12:00:00 ET
  Table 'Koala' 6-Max, Seat #1 is the button
  Seat 1: Ann (10 in chips)
  Seat 2: Bob (10 in chips)
  Seat 3: Bobby (10 in chips)
)";

HandReading Read(std::wstring_view body, HandFilter filter = BobsFilter()) {
  filter.room = 3;
  bool headerSeen = false;
  const auto lines = Lines(std::wstring(kOpening) + std::wstring(body));
  return ReadTigerHand(filter, ViewsOf(lines), 3, 10, headerSeen);
}

TEST(TigerGamingHeader, ReadsStakesAndLocalTime) {
  testing::ScopedTimeZone zone("UTC");
  const HandHeader header = ReadTigerHeader(
      L"Tiger Gaming Game #4001: Hold'em No Limit ($0.05/0.10) - 2024/03/05 12:00:00 ET");
  EXPECT_TRUE(header.matched);
  EXPECT_EQ(header.startTime, 1709640000);
  EXPECT_DOUBLE_EQ(header.bigBlind, 0.10);
  EXPECT_EQ(header.currency, 0);
  EXPECT_TRUE(
      ReadTigerHeader(
          L"Tiger Gaming Game #4002: Hold'em No Limit ($0.05/0.10) - 2024/13/05 12:00:00 ET")
          .badDate);
  EXPECT_FALSE(
      ReadTigerHeader(L"Tiger Gaming Game #4003: Hold'em No Limit (0.05/0.10) - 2024/03/05")
          .matched);
}

TEST(TigerGamingHand, BlindsAntesAndFolds) {
  EXPECT_DOUBLE_EQ(
      Read(L"Ann: posts small blind 0.05\nBob: posts big blind 0.10\nBob: folds").resultCents, -10);
  // An ante is dead money: the blind after it does not replace it.
  EXPECT_DOUBLE_EQ(Read(L"Bob: posts the ante 0.02\nAnn: posts small blind 0.05\n"
                        L"Bob: posts big blind 0.10\nBob: folds")
                       .resultCents,
                   -12);
  // Sitting without posting, then folding, is a counted hand of nothing.
  const HandReading sat =
      Read(L"Ann: posts small blind 0.05\nBobby: posts big blind 0.10\nBob: folds");
  EXPECT_TRUE(sat.accepted);
  EXPECT_EQ(sat.resultCents, 0.0);
}

TEST(TigerGamingHand, TheUnmatchedPartOfAnAllInComesBack) {
  // No line returns the bet: the 0.75 nobody matched is given back.
  constexpr std::wstring_view kAllIn =
      LR"(
    Ann: posts small blind 0.05
    Bobby: posts big blind 0.10
    *** HOLE CARDS ***
    Dealt to Bob [Ah Kd]
    Ann: raises 0.15 to 0.25
    Bob: raises 0.75 to 1 and is all-in
    Bobby: folds
    Ann: folds
    Bob collected 0.60)";
  EXPECT_DOUBLE_EQ(Read(kAllIn).resultCents, 60 - 100 + 75);
  // With the returned bet written out, nothing more comes back.
  EXPECT_DOUBLE_EQ(
      Read(std::wstring(kAllIn) + L"\nUncalled bet (0.75) returned to Bob").resultCents,
      60 - 100 + 75);
}

TEST(TigerGamingHand, AnOpponentsAllInCallMatchesTheHerosMoney) {
  const HandReading hand = Read(
      LR"(
    Ann: posts small blind 0.05
    Bob: posts big blind 0.10
    Ann: raises 0.90 to 1 and is all-in
    Bob: calls 0.90
    *** FLOP *** [2c 7h 9d]
    *** TURN *** [2c 7h 9d] [Ts]
    *** RIVER *** [2c 7h 9d Ts] [3s]
    Seat 1: Ann showed [Kh Kd] and won (1.95))");
  EXPECT_DOUBLE_EQ(hand.resultCents, -100);
}

TEST(TigerGamingHand, APlayerWhoseNameBeginsWithTheHerosIsNotTheHero) {
  const HandReading hand = Read(
      LR"(
    Ann: posts small blind 0.05
    Bob: posts big blind 0.10
    Bobby: raises 0.90 to 1
    Bob: calls 0.90
    *** FLOP *** [2c 7h 9d]
    Bobby: bets 2
    Bob: folds)");
  EXPECT_DOUBLE_EQ(hand.resultCents, -100);
  // Bobby's call of Bob's all-in keeps Bob's money in the pot.
  const HandReading called = Read(
      LR"(
    Ann: posts small blind 0.05
    Bob: posts big blind 0.10
    Bob: raises 0.90 to 1 and is all-in
    Bobby: calls 1
    Ann: folds
    Seat 3: Bobby showed [Qs Qd] and won (2.05)
    Seat 2: Bob showed [Ah Kd] and lost)");
  EXPECT_DOUBLE_EQ(called.resultCents, -100);
}

TEST(TigerGamingHand, ABoardRunTwiceCountsOnlyInTheHerosMoney) {
  // Streets past the river have no street map: the bet on the second river
  // counts in what he put in, and in nothing the correction compares.
  const HandReading hand = Read(
      LR"(
    Ann: posts small blind 0.05
    Bob: posts big blind 0.10
    Ann: calls 0.05
    *** FLOP *** [2c 7h 9d]
    *** TURN *** [2c 7h 9d] [Ts]
    *** RIVER *** [2c 7h 9d Ts] [3s]
    *** RIVER *** [2c 7h 9d Ts] [4s]
    Bob: bets 0.50
    Bob collected 0.20)");
  EXPECT_DOUBLE_EQ(hand.resultCents, 20 - 60);
}

TEST(TigerGamingHand, ASeatTenIsNotAmongTheSeated) {
  // The seat pattern reads one digit: the player in seat 10 never sits, so
  // his call does not count as matching the hero's money.
  bool headerSeen = false;
  const auto lines = Lines(
      LR"(
    Tiger Gaming Game #4001: Hold'em No Limit ($0.05/0.10) - 2024/03/05 12:00:00 ET
    Table 'Koala' 10-Max, Seat #1 is the button
    Seat 2: Bob (10 in chips)
    Seat 10: Zed (10 in chips)
    Zed: posts small blind 0.05
    Bob: posts big blind 0.10
    Zed: raises 0.90 to 1
    Bob: calls 0.90
    Seat 10: Zed showed [Kh Kd] and won (1.95))");
  HandFilter filter = BobsFilter();
  EXPECT_DOUBLE_EQ(ReadTigerHand(filter, ViewsOf(lines), 3, 10, headerSeen).resultCents, 0.0);
}

TEST(TigerGamingHand, RefusesOtherStakesTablesAndMissingCards) {
  EXPECT_FALSE(Read(L"Ann: posts big blind 0.20\nBob: folds").accepted);
  EXPECT_TRUE(Read(L"Ann: posts big blind 0.10\nBob: folds").accepted);
  EXPECT_FALSE(Read(L"Dealt to Bob []\nBob: folds").accepted);
  HandFilter headsUp = BobsFilter();
  headsUp.maxPl = 2;
  EXPECT_FALSE(Read(L"Bob: folds", headsUp).accepted);  // a six-max table
  bool headerSeen = false;
  const auto headerOnly =
      Lines(L"Tiger Gaming Game #1: Hold'em No Limit ($0.05/0.10) - 2024/03/05 12:00:00 ET");
  EXPECT_FALSE(ReadTigerHand(BobsFilter(), ViewsOf(headerOnly), 3, 10, headerSeen).accepted);
  headerSeen = false;
  const auto headless = Lines(L"Bob: calls 5");
  const HandReading none = ReadTigerHand(BobsFilter(), ViewsOf(headless), 3, 10, headerSeen);
  EXPECT_TRUE(none.accepted);
  EXPECT_EQ(none.resultCents, 0.0);
}

}  // namespace
}  // namespace lumora
