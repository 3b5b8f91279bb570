#include <gtest/gtest.h>

#include "history/pokerstars_hand.h"
#include "tests/history/history_test_support.h"

namespace lumora {
namespace {

using testing::BobsFilter;
using testing::Engine;
using testing::Lines;

constexpr std::wstring_view kOpening =
    LR"(
  Game #1458965857 starts.
  #Game No : 1458965857
  ***** Hand History for Game 1458965857 *****
  $0.10/$0.25 USD NL Texas Hold'em - Tuesday, June 19, 23:00:41 EDT 2018
  Table Clifton (Real Money)
  Seat 2 is the button
  Total number of players : 3/9
  Seat 1: Ann ( $10 USD )
  Seat 2: Bob ( $10 USD )
  Seat 3: Bob 2 ( $10 USD )
)";

HandReading Read(std::wstring_view body, HandFilter filter = BobsFilter()) {
  filter.room = 0;
  bool headerSeen = false;
  const auto lines = Lines(std::wstring(kOpening) + std::wstring(body));
  return ReadPokerStarsHand(L"f", filter, testing::ViewsOf(lines), 0, 25, headerSeen, Engine());
}

TEST(PartyPokerHand, RefusesClosedTablesCrowdsAndOtherStakes) {
  EXPECT_FALSE(Read(L"Bob posts big blind [$0.25 USD].\nTable Closed").accepted);
  HandFilter sixMax = BobsFilter();
  sixMax.maxPl = 6;  // the table seats nine
  EXPECT_FALSE(Read(L"Bob folds", sixMax).accepted);
  EXPECT_FALSE(Read(L"Ann posts big blind [$0.50 USD].\nBob folds").accepted);
}

TEST(PartyPokerHand, ALostConnectionEndsTheReadingButKeepsTheHand) {
  const HandReading hand = Read(
      LR"(
    Bob posts big blind [$0.25 USD].
    Connection Lost due to some reason
    Bob calls [$5 USD]
    Bob wins $100 USD)");
  EXPECT_TRUE(hand.accepted);
  EXPECT_DOUBLE_EQ(hand.resultCents, -25);
}

}  // namespace
}  // namespace lumora
