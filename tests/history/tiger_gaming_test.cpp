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
