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
  EXPECT_FALSE(Read(L"Bob folds\nAnn wins $0.35 USD", sixMax).accepted);
  EXPECT_FALSE(Read(L"Ann posts big blind [$0.50 USD].\nBob folds\nAnn wins $0.50 USD").accepted);
}

TEST(PartyPokerHand, ALostConnectionLeavesTheHandUncounted) {
  const HandReading hand = Read(
      LR"(
    Bob posts big blind [$0.25 USD].
    Connection Lost due to some reason
    Bob calls [$5 USD]
    Bob wins $100 USD)");
  EXPECT_FALSE(hand.accepted);
  EXPECT_EQ(hand.leftOut, HandLeftOut::kCutOff);
}

TEST(PartyPokerHand, NamesWithDotsAndBlanksAndAShortBigBlindAllIn) {
  // "dr. spaz" posts the big blind short, all he has; the hero wins the main
  // pot and the side pot his own raise made.
  const HandReading hand = Read(
      LR"(
    Seat 4: dr. spaz ( $0.03 USD )
    Bob 2 posts small blind [$0.10 USD].
    dr. spaz posts big blind [$0.03 USD].
    ** Dealing down cards **
    Ann folds
    Bob raises [$0.50 USD]
    Bob 2 folds
    ** Dealing Flop ** [ 4c, 3s, 7c ]
    ** Dealing Turn ** [ 2s ]
    ** Dealing River ** [ Qs ]
    Bob shows [ Ah, As ]a pair of Aces.
    dr. spaz doesn't show [ Kd, 8c ]high card King.
    Bob wins $0.53 USD from the side pot 1 with a pair of Aces.
    Bob wins $0.09 USD from the main pot with a pair of Aces.)");
  EXPECT_TRUE(hand.accepted);
  EXPECT_DOUBLE_EQ(hand.resultCents, 12);
}

}  // namespace
}  // namespace lumora
