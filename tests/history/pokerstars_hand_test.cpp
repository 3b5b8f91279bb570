#include "history/pokerstars_hand.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/history/history_test_support.h"

namespace lumora {
namespace {

using testing::BobsFilter;
using ::testing::Contains;
using ::testing::ElementsAre;
using testing::Engine;
using ::testing::HasSubstr;
using testing::Lines;
using testing::ViewsOf;

constexpr std::wstring_view kHeader =
    L"PokerStars Hand #200001: Hold'em No Limit ($0.05/$0.10 USD) - 2024/03/05 12:00:00 CET "
    L"[2024/03/05 6:00:00 ET]\n"
    L"Table 'Halley' 6-max Seat #1 is the button\n";

/// Reads `body` after the usual header as Bob's hand.
HandReading Read(std::wstring_view body, HandFilter filter = BobsFilter()) {
  bool headerSeen = false;
  const auto lines = Lines(std::wstring(kHeader) + std::wstring(body));
  return ReadPokerStarsHand(L"/h/a.txt", filter, ViewsOf(lines), 1, 10, headerSeen, Engine());
}

constexpr std::wstring_view kSeats =
    LR"(
  Seat 1: Ann ($10 in chips)
  Seat 2: Bob ($10 in chips)
  Seat 3: Bobby ($10 in chips)
)";

TEST(PokerStarsHand, CollectsFromEveryPotAndCashOutsCount) {
  const HandReading hand = Read(std::wstring(kSeats) +
                                LR"(
    Ann: posts small blind $0.05
    Bob: posts big blind $0.10
    *** HOLE CARDS ***
    Bob collected $2 from side pot-2
    Bob collected $3 from side pot
    Bob collected $4 from main pot
    Bob cashed out the hand for $1.50 | Cash Out Fee $0.02
    *** SUMMARY ***)");
  EXPECT_DOUBLE_EQ(hand.resultCents, 1050 - 10);
}

TEST(PokerStarsHand, RefusesTablesAndCrowdsOutsideTheFilter) {
  HandFilter sixMax = BobsFilter();
  sixMax.numPl = 2;
  sixMax.minPl = 2;
  sixMax.maxPl = 6;
  bool headerSeen = false;
  const auto nineMax = Lines(
      L"PokerStars Hand #1: Hold'em No Limit ($0.05/$0.10 USD) - 2024/03/05 6:00:00 ET\n"
      L"Table 'Vega' 9-max Seat #1 is the button\nSeat 1: Bob ($10 in chips)\nBob: folds");
  EXPECT_FALSE(
      ReadPokerStarsHand(L"f", sixMax, ViewsOf(nineMax), 1, 10, headerSeen, Engine()).accepted);

  HandFilter headsUpOnly = BobsFilter();
  headsUpOnly.minPl = 2;
  headsUpOnly.maxPl = 2;
  EXPECT_FALSE(Read(std::wstring(kSeats) + L"Ann: posts small blind $0.05\nBob: folds", headsUpOnly)
                   .accepted);

  HandFilter quarterLimit = BobsFilter();
  quarterLimit.cashLimit = 25;
  EXPECT_FALSE(Read(std::wstring(kSeats) + L"Ann: posts big blind $0.10\nBob: folds", quarterLimit)
                   .accepted);
}

TEST(PokerStarsHand, AHandOfAnotherRoomsKindIsRefused) {
  bool headerSeen = false;
  const auto party = Lines(L"Game #1 starts.\nBob folds");
  const HandReading other =
      ReadPokerStarsHand(L"f", BobsFilter(), ViewsOf(party), 1, 10, headerSeen, Engine());
  EXPECT_FALSE(other.accepted);
  EXPECT_EQ(other.leftOut, HandLeftOut::kOtherRoom);
  // Lines that never show a header: nothing in them is the hero's, and no
  // seat of theirs is his.
  headerSeen = false;
  const auto headless = Lines(L"Bob: calls $5\n*** SUMMARY ***");
  const HandReading none =
      ReadPokerStarsHand(L"f", BobsFilter(), ViewsOf(headless), 1, 10, headerSeen, Engine());
  EXPECT_FALSE(none.accepted);
  EXPECT_EQ(none.leftOut, HandLeftOut::kHeroNotSeated);
}

TEST(PokerStarsHand, AHandTheHeroSatOutOrThatStopsShortIsNotCounted) {
  const std::wstring sittingOut =
      LR"(
    Seat 1: Ann ($10 in chips)
    Seat 2: Bob ($10 in chips) is sitting out
    Seat 3: Bobby ($10 in chips)
    Ann: posts small blind $0.05
    Bobby: posts big blind $0.10
    *** HOLE CARDS ***
    Ann: folds
    Uncalled bet ($0.05) returned to Bobby
    Bobby collected $0.10 from pot
    *** SUMMARY ***)";
  EXPECT_EQ(Read(sittingOut).leftOut, HandLeftOut::kNotDealtIn);
  // A file cut off after the hero's fold: what happened next is unknown.
  const HandReading cut = Read(std::wstring(kSeats) + L"Bob: posts big blind $0.10\nBob: folds");
  EXPECT_FALSE(cut.accepted);
  EXPECT_EQ(cut.leftOut, HandLeftOut::kCutOff);
  EXPECT_THAT(cut.logNote, HasSubstr(L"before its summary"));
  // An amount no table could hold is a misread: the hand says so and stays out.
  const HandReading huge = Read(std::wstring(kSeats) +
                                L"Bob: posts big blind $0.10\nBob collected $99,999,999,999 from "
                                L"pot\n*** SUMMARY ***");
  EXPECT_EQ(huge.leftOut, HandLeftOut::kBadAmount);
  EXPECT_THAT(huge.logNote, HasSubstr(L"99,999,999,999"));
}

TEST(PokerStarsHand, AnUnknownPotLineIsShownWithItsHand) {
  const HandReading hand =
      Read(std::wstring(kSeats) + L"*** SUMMARY ***\nTotal pot 5 dollars | Rake none");
  EXPECT_THAT(hand.paneNotes,
              ElementsAre(L"Hand #200001 in /h/a.txt", L"Total pot 5 dollars | Rake none"));
}

/// A three-handed all-in before the flop with the pots written
/// `potLine`, shown down by Bob (with two position remarks), Ann and Bobby.
HandReading AllInBeforeTheFlop(std::wstring_view potLine) {
  return Read(std::wstring(LR"(
    Seat 1: Ann ($10 in chips)
    Seat 2: Bob ($5 in chips)
    Seat 3: Bobby ($2 in chips)
    Bob: posts small blind $0.05
    Ann: posts big blind $0.10
    *** HOLE CARDS ***
    Dealt to Bob [Ah As]
    Dealt to Bobby [Qh Qd]
    Bobby: raises $1.90 to $2 and is all-in
    Bob: raises $3 to $5 and is all-in
    Ann: calls $4.90
    *** FLOP *** [2c 7h 9d]
    *** TURN *** [2c 7h 9d] [Ts]
    *** RIVER *** [2c 7h 9d Ts] [3s]
    *** SHOW DOWN ***
    Bob collected $5.90 from main pot
    Bob collected $5.90 from side pot
    *** SUMMARY ***
    )") + std::wstring(potLine) +
              LR"(
    Board [2c 7h 9d Ts 3s]
    Seat 1: Ann (big blind) showed [Kd Kc] and lost
    Seat 2: Bob (button) (small blind) showed [Ah As] and won ($11.80)
    Seat 3: Bobby showed [Qh Qd] and lost)");
}

TEST(PokerStarsHand, AnAllInBeforeTheFlopReachesTheEvaluationWithItsPots) {
  const HandReading hand =
      AllInBeforeTheFlop(L"Total pot $12 Main pot $5.90. Side pot $5.90. | Rake $0.20");
  EXPECT_DOUBLE_EQ(hand.resultCents, 1180 - 500);
  ASSERT_TRUE(hand.allIn);
  const auto& log = hand.allIn->logLines;
  EXPECT_THAT(log, Contains(L"Hand #200001 win = 6.80 Board = "));
  // The hero's summary line, with both position remarks, is his.
  EXPECT_THAT(log, Contains(L"Bob has Ah As"));
  EXPECT_THAT(log, Contains(L"Ann has Kd Kc"));
  EXPECT_THAT(log, Contains(L"Bobby has Qh Qd"));
  EXPECT_THAT(
      log, Contains(HasSubstr(L"Main pot = 5.90 Side pot = 5.90 Rake = 0.20 Hero money = 5.00")));
  EXPECT_TRUE(hand.allIn->hasEv);
}

TEST(PokerStarsHand, NumberedSidePotsAreListedInOrder) {
  // Four players shown down: each pot is shared among those who can win it.
  const HandReading hand =
      Read(std::wstring(LR"(
    Seat 1: Ann ($10 in chips)
    Seat 2: Bob ($5 in chips)
    Seat 3: Bobby ($2 in chips)
    Seat 4: Cy ($1 in chips)
    Bob: posts small blind $0.05
    Ann: posts big blind $0.10
    *** HOLE CARDS ***
    Dealt to Bob [Ah As]
    Cy: raises $0.90 to $1 and is all-in
    Bobby: raises $1 to $2 and is all-in
    Bob: raises $3 to $5 and is all-in
    Ann: calls $4.90
    *** FLOP *** [2c 7h 9d]
    *** TURN *** [2c 7h 9d] [Ts]
    *** RIVER *** [2c 7h 9d Ts] [3s]
    *** SHOW DOWN ***
    Bob collected $13 from pot
    *** SUMMARY ***
    Total pot $13 Main pot $4. Side pot-1 $3. Side pot-2 $6. | Rake $0
    Board [2c 7h 9d Ts 3s]
    Seat 1: Ann showed [Kd Kc] and lost
    Seat 2: Bob showed [Ah As] and won ($13)
    Seat 3: Bobby showed [Qh Qd] and lost
    Seat 4: Cy showed [Jh Jd] and lost)"));
  ASSERT_TRUE(hand.allIn);
  EXPECT_TRUE(hand.allIn->hasEv);
  EXPECT_THAT(hand.allIn->logLines, Contains(L"Side pot-1 =  3.00"));
  EXPECT_THAT(hand.allIn->logLines, Contains(L"Side pot-2 =  6.00"));
  EXPECT_THAT(hand.allIn->logLines,
              Contains(::testing::AllOf(HasSubstr(L"Equity (Main pot) = "),
                                        HasSubstr(L"Equity (Side pot-1) = "),
                                        HasSubstr(L"Equity (Side pot-2) = "))));
}

TEST(PokerStarsHand, ABoardRunTwiceDatesTheAllInByItsFirstRepeatedStreet) {
  const HandReading hand =
      Read(std::wstring(LR"(
    Seat 1: Ann ($10 in chips)
    Seat 2: Bob ($10 in chips)
    Ann: posts small blind $0.05
    Bob: posts big blind $0.10
    *** HOLE CARDS ***
    Dealt to Bob [Ah As]
    Ann: raises $0.20 to $0.30
    Bob: calls $0.20
    *** FLOP *** [2c 7h 9d]
    Bob: bets $9.70 and is all-in
    Ann: calls $9.70 and is all-in
    *** FIRST TURN *** [2c 7h 9d] [Ts]
    *** FIRST RIVER *** [2c 7h 9d Ts] [3s]
    *** SECOND TURN *** [2c 7h 9d] [Kc]
    *** SECOND RIVER *** [2c 7h 9d Kc] [Kd]
    *** FIRST SHOW DOWN ***
    Bob collected $9.95 from pot
    *** SECOND SHOW DOWN ***
    Ann collected $9.95 from pot
    *** SUMMARY ***
    Total pot $20 | Rake $0.10
    Hand was run twice
    FIRST Board [2c 7h 9d Ts 3s]
    SECOND Board [2c 7h 9d Kc Kd]
    Seat 1: Ann (small blind) showed [Kh Qh] and won ($9.95)
    Seat 2: Bob (big blind) showed [Ah As] and won ($9.95))"));
  EXPECT_DOUBLE_EQ(hand.resultCents, -5);
  ASSERT_TRUE(hand.allIn);
  EXPECT_THAT(hand.allIn->logLines, Contains(L"Hand #200001 win = -0.05 Board = 2c 7h 9d"));
}

}  // namespace
}  // namespace lumora
