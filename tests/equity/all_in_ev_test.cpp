#include "equity/all_in_ev.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "equity/poker_logic.h"

namespace lumora {
namespace {

using Lines = std::vector<std::wstring>;

const PokerLogic& Logic() {
  static const PokerLogic logic;
  return logic;
}

const std::wstring kOpening(57, L'+');
const std::wstring kClosing(57, L'-');

/// A heads-up all-in before the flop: Hero's aces against Villain's kings,
/// 100 each in a pot of 200 with 3 raked; the aces held.
AllInHandInput HeadsUp() {
  AllInHandInput hand;
  hand.netResult = 9700;
  hand.allInStreet = 1;
  hand.heroCards = L"Ah As";
  hand.showdown = {{L"Hero", L"Ah As"}, {L"Villain", L"Kd Kc"}};
  hand.putIn = {{L"Hero", 10000}, {L"Villain", 10000}};
  hand.stacks = {{L"Hero", 100}, {L"Villain", 250}};
  hand.totalPot = 200;
  hand.rake = 3;
  hand.bigBlind = 200;
  hand.source = L"/h/stars.txt";
  hand.handNumber = L"123";
  hand.nick = L"Hero";
  return hand;
}

/// Three players all in before the flop: AsKs (Hero), QhQd, JcTc, each
/// putting in what he had (currency units), and covered only as far as the
/// others could match.
AllInHandInput ThreeWay(double heroStack, double queensStack, double jacksStack) {
  AllInHandInput hand = HeadsUp();
  hand.showdown = {{L"Queens", L"Qh Qd"}, {L"Hero", L"As Ks"}, {L"Jacks", L"Jc Tc"}};
  hand.heroCards = L"As Ks";
  hand.stacks = {{L"Hero", heroStack}, {L"Queens", queensStack}, {L"Jacks", jacksStack}};
  // The biggest stack is matched only as far as the second biggest.
  const double second = std::max({std::min(heroStack, queensStack), std::min(heroStack, jacksStack),
                                  std::min(queensStack, jacksStack)});
  for (auto& [name, stack] : hand.stacks) hand.putIn[name] = std::min(stack, second) * 100;
  return hand;
}

TEST(AllInEntry, RunsOnlyForAShownAllInBeforeTheRiver) {
  AllInHandInput hand = HeadsUp();
  EXPECT_TRUE(EvaluateAllInHand(hand, Logic()));
  hand.allInStreet = 0;  // all in on the river, or not at all
  EXPECT_FALSE(EvaluateAllInHand(hand, Logic()));
  hand = HeadsUp();
  hand.heroCards.clear();  // an observed table: the cards he showed are his
  EXPECT_TRUE(EvaluateAllInHand(hand, Logic()));
  hand.showdown = {{L"Villain", L"Kd Kc"}, {L"Other", L"Qd Qc"}};
  EXPECT_FALSE(EvaluateAllInHand(hand, Logic()));
  hand = HeadsUp();
  hand.showdown.pop_back();
  EXPECT_FALSE(EvaluateAllInHand(hand, Logic()));
  hand = HeadsUp();
  hand.allInStreet = 3;
  hand.board = L"2c 7h 9d Ts 3c";  // five cards: 14 characters
  EXPECT_FALSE(EvaluateAllInHand(hand, Logic()));
  hand.board = L"2c 7h 9d Ts";
  EXPECT_TRUE(EvaluateAllInHand(hand, Logic()));
}

TEST(AllInHeadsUp, TakesTheRakeFromThePot) {
  const auto report = EvaluateAllInHand(HeadsUp(), Logic());
  ASSERT_TRUE(report);
  EXPECT_EQ(report->logLines,
            (Lines{kOpening, L"/h/stars.txt", L"Hand #123 win = 97.00 Board = ", L"Hero has Ah As",
                   L"Villain has Kd Kc", L"Pot =  200.00 Rake = 3.00 Hero money = 100.00 ",
                   L"Equity = 81.26% EV = 60.07  Diff = 36.93", kClosing}));
  EXPECT_TRUE(report->hasEv);
  EXPECT_NEAR(report->ev, 197 * 0.812554896794 - 100, 1e-9);
  EXPECT_NEAR(report->diff, 97 - report->ev, 1e-9);
  EXPECT_DOUBLE_EQ(report->win, 97.0);
  EXPECT_DOUBLE_EQ(report->bigBlind, 2.0);
}

TEST(AllInHeadsUp, HiLoGamesSplitWithTheLow) {
  AllInHandInput hand = HeadsUp();
  hand.hiLo = true;
  hand.allInStreet = 2;
  hand.board = L"2d 7s 9h";
  hand.heroCards = L"Ac Ad 2c 3d";
  hand.showdown = {{L"Hero", L"Ac Ad 2c 3d"}, {L"Villain", L"Kh Qh Js Ts"}};
  hand.totalPot = 100;
  hand.rake = 1;
  hand.putIn = {{L"Hero", 5000}, {L"Villain", 5000}};
  hand.netResult = 4900;
  const auto report = EvaluateAllInHand(hand, Logic());
  ASSERT_TRUE(report);
  EXPECT_EQ(report->logLines[2], L"Hand #123 win = 49.00 Board = 2d 7s 9h");
  EXPECT_EQ(report->logLines[6], L"Equity = 78.60% EV = 27.81  Diff = 21.19");
}

TEST(AllInHeadsUp, ACardThatNamesNoCardGivesNoEvAndSaysWhy) {
  AllInHandInput hand = HeadsUp();
  hand.heroCards = L"Ah Xs";
  const auto report = EvaluateAllInHand(hand, Logic());
  ASSERT_TRUE(report);
  EXPECT_FALSE(report->hasEv);
  EXPECT_EQ(report->ev, 0.0);
  EXPECT_EQ(report->diff, 0.0);
  EXPECT_DOUBLE_EQ(report->win, 97.0);
  EXPECT_EQ(report->logLines[5], L"Pot =  200.00 Rake = 3.00 Hero money = 100.00 ");
  EXPECT_EQ(report->logLines[6], L"No EV: \"Xs\" is not a card");
  EXPECT_EQ(report->logLines[7], kClosing);
}

TEST(AllInHeadsUp, AHandThatCannotWinLosesAllHePutIn) {
  AllInHandInput hand = HeadsUp();
  hand.allInStreet = 3;
  hand.board = L"Kh Ks 2c 3d";
  hand.netResult = -10000;
  const auto report = EvaluateAllInHand(hand, Logic());
  ASSERT_TRUE(report);
  EXPECT_TRUE(report->hasEv);
  EXPECT_DOUBLE_EQ(report->ev, -100.0);
  EXPECT_DOUBLE_EQ(report->diff, 0.0);
  EXPECT_EQ(report->logLines[6], L"Equity = 0.00% EV = -100.00  Diff = 0.00");
}

TEST(AllInHeadsUp, ASidePotOnlyTheBiggerStackCanWinIsNotShared) {
  // A third player bet 150 and folded to the kings' raise; the hero called
  // all in for 100. The 50 the folder and the kings put in over 100 each
  // form a side pot only the kings can win.
  AllInHandInput hand = HeadsUp();
  hand.putIn = {{L"Hero", 10000}, {L"Villain", 15000}, {L"Folder", 15000}};
  hand.totalPot = 400;
  hand.pots = {297, 100};
  hand.netResult = 19700;
  const auto report = EvaluateAllInHand(hand, Logic());
  ASSERT_TRUE(report);
  EXPECT_NEAR(report->ev, 297 * 0.812554896794 - 100, 1e-9);
  EXPECT_EQ(report->logLines[5], L"Pot =  400.00 Rake = 3.00 Hero money = 100.00 ");
}

TEST(AllInThreeWay, ShortestHeroPlaysTheMainPotOnly) {
  AllInHandInput hand = ThreeWay(50, 100, 150);
  hand.totalPot = 250;
  hand.pots = {147, 100};
  hand.netResult = -5000;
  const auto report = EvaluateAllInHand(hand, Logic());
  ASSERT_TRUE(report);
  EXPECT_EQ(report->logLines,
            (Lines{kOpening, L"/h/stars.txt", L"Hand #123 win = -50.00 Board = ", L"Hero has As Ks",
                   L"Queens has Qh Qd", L"Jacks has Jc Tc",
                   L"Total pot =  250.00 Main pot = 147.00 Side pot = 100.00 Rake = 3.00 Hero "
                   L"money = 50.00 ",
                   L"Equity (Main pot) = 40.21% EV = 9.11  Diff = -59.11", kClosing}));
  EXPECT_TRUE(report->hasEv);
}

TEST(AllInThreeWay, EqualStacksTakeTheSidePotPathAndASinglePotIsTheMainPot) {
  // The hero and the jacks have 100 each: no side pot, the summary shows a
  // single pot of 300 with 3 raked, and the main pot is the 297 left.
  AllInHandInput hand = ThreeWay(100, 200, 100);
  hand.totalPot = 300;
  hand.netResult = 19700;
  const auto report = EvaluateAllInHand(hand, Logic());
  ASSERT_TRUE(report);
  const Lines& log = report->logLines;
  ASSERT_EQ(log.size(), 10u);
  EXPECT_EQ(
      log[6],
      L"Total pot =  300.00 Main pot = 297.00 Side pot = 0.00 Rake = 3.00 Hero money = 100.00 ");
  EXPECT_EQ(log[7], L"Side pot with = Qh Qd Dead = Jc Tc");
  EXPECT_EQ(log[8],
            L"Equity (Main pot) = 40.21% Equity (Side pot) = 47.46% EV = 19.42  Diff = 177.58");
  EXPECT_NEAR(report->ev, (0.402091841425 * 29700 - 10000) * 0.01, 1e-7);
}

TEST(AllInThreeWay, TheSidePotIsContestedWithTheBiggerStack) {
  // The jacks are shown first but are the shorter opponent: the side pot is
  // the hero's and the queens', and the jacks' cards are dead.
  AllInHandInput hand = ThreeWay(150, 200, 100);
  hand.showdown = {{L"Jacks", L"Jc Tc"}, {L"Hero", L"As Ks"}, {L"Queens", L"Qh Qd"}};
  hand.totalPot = 400;
  hand.pots = {297, 100};
  hand.netResult = -15000;
  const auto report = EvaluateAllInHand(hand, Logic());
  ASSERT_TRUE(report);
  const Lines& log = report->logLines;
  EXPECT_EQ(log[4], L"Jacks has Jc Tc");
  EXPECT_EQ(log[7], L"Side pot with = Qh Qd Dead = Jc Tc");
  EXPECT_EQ(log[8],
            L"Equity (Main pot) = 40.21% Equity (Side pot) = 47.46% EV = 16.88  Diff = -166.88");
  EXPECT_NEAR(report->diff, -150 - report->ev, 1e-9);
}

TEST(AllInManyWays, SharesEachPotAmongThoseWhoCanWinIt) {
  // Four all in on a turn of 2c 7h 9d Ts: the hero (AsKs, 50) can win the
  // main pot only, with one of the three aces or three kings left among 40
  // river cards (15%); the queens, the jacks and the eights contest the rest.
  AllInHandInput hand = ThreeWay(50, 200, 300);
  hand.allInStreet = 3;
  hand.board = L"2c 7h 9d Ts";
  hand.showdown.push_back({L"Eights", L"8s 8h"});
  hand.stacks[L"Eights"] = 300;
  hand.putIn = {{L"Hero", 5000}, {L"Queens", 20000}, {L"Jacks", 20000}, {L"Eights", 20000}};
  hand.totalPot = 650;
  hand.rake = 0;
  hand.pots = {200, 450};
  hand.netResult = -5000;
  const auto report = EvaluateAllInHand(hand, Logic());
  ASSERT_TRUE(report);
  EXPECT_EQ(Lines(report->logLines.begin() + 7, report->logLines.end()),
            (Lines{L"Total pot =  650.00 Main pot = 200.00 Rake = 0.00 Hero money = 50.00 ",
                   L"Side pot-1 =  450.00",
                   L"Equity (Main pot) = 15.00% EV = -20.00  Diff = -30.00", kClosing}));
  EXPECT_TRUE(report->hasEv);
}

}  // namespace
}  // namespace lumora
