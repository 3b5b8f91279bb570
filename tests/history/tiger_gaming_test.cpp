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
  return ReadTigerHand(L"f", filter, ViewsOf(lines), 3, 10, headerSeen, testing::Engine());
}

TEST(TigerGamingHeader, ReadsStakesAndLocalTime) {
  testing::ScopedTimeZone zone("UTC");
  const HandHeader header = ReadTigerHeader(
      L"Tiger Gaming Game #4001: Hold'em No Limit ($0.05/0.10) - 2024/03/05 12:00:00 ET");
  EXPECT_TRUE(header.matched);
  EXPECT_EQ(header.startTime, 1709640000);
  EXPECT_EQ(header.bigBlindCents, 10);
  EXPECT_EQ(header.currency, 0);
  EXPECT_TRUE(
      ReadTigerHeader(
          L"Tiger Gaming Game #4002: Hold'em No Limit ($0.05/0.10) - 2024/13/05 12:00:00 ET")
          .badDate);
  EXPECT_FALSE(
      ReadTigerHeader(L"Tiger Gaming Game #4003: Hold'em No Limit (0.05/0.10) - 2024/03/05")
          .matched);
}

TEST(TigerGamingHand, RefusesOtherStakesTablesAndMissingCards) {
  EXPECT_FALSE(Read(L"Ann: posts big blind 0.20\nBob: folds\n*** SUMMARY ***").accepted);
  EXPECT_TRUE(Read(L"Ann: posts big blind 0.10\nBob: folds\n*** SUMMARY ***").accepted);
  // A big blind short of the table's because it was all the poster had.
  EXPECT_TRUE(
      Read(L"Ann: posts big blind 0.04 and is all-in\nBob: folds\n*** SUMMARY ***").accepted);
  EXPECT_FALSE(Read(L"Dealt to Bob []\nBob: folds\n*** SUMMARY ***").accepted);
  HandFilter headsUp = BobsFilter();
  headsUp.maxPl = 2;
  EXPECT_FALSE(Read(L"Bob: folds\n*** SUMMARY ***", headsUp).accepted);  // a six-max table
  bool headerSeen = false;
  const auto headerOnly =
      Lines(L"Tiger Gaming Game #1: Hold'em No Limit ($0.05/0.10) - 2024/03/05 12:00:00 ET");
  EXPECT_FALSE(
      ReadTigerHand(L"f", BobsFilter(), ViewsOf(headerOnly), 3, 10, headerSeen, testing::Engine())
          .accepted);
}

}  // namespace
}  // namespace lumora
