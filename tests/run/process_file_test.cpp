#include "run/process_file.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "equity/poker_logic.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

const PokerLogic& Engine() {
  static const PokerLogic engine;
  return engine;
}

constexpr const char* kEuroHand =
    "\xEF\xBB\xBFPokerStars Hand #1: Hold'em No Limit (\xE2\x82\xAC"
    "0.05/\xE2\x82\xAC"
    "0.10 EUR) - "
    "2024/03/05 12:00:00 CET [2024/03/05 6:00:00 ET]\r\n"
    "Table 'Ara' 6-max Seat #1 is the button\r\n"
    "Seat 1: Ann (\xE2\x82\xAC"
    "10 in chips)\r\n"
    "Seat 2: Bob (\xE2\x82\xAC"
    "10 in chips)\r\n"
    "Ann: posts small blind \xE2\x82\xAC"
    "0.05\r\n"
    "Bob: posts big blind \xE2\x82\xAC"
    "0.10\r\n"
    "*** HOLE CARDS ***\r\n"
    "Ann: folds\r\n"
    "Uncalled bet (\xE2\x82\xAC"
    "0.05) returned to Bob\r\n"
    "Bob collected \xE2\x82\xAC"
    "0.10 from pot\r\n*** SUMMARY ***\r\n\r\n";

HandFilter Filter(int32_t currency) {
  HandFilter filter;
  filter.nick = L"Bob";
  filter.room = 1;
  filter.timeTo = 32503680000;
  filter.cashLimit = 10;
  filter.currency = currency;
  filter.numPl = 2;
  filter.minPl = 2;
  filter.maxPl = 6;
  return filter;
}

TEST(ProcessHistoryFile, AcceptsAFileOfTheRunsRoomCurrencyAndTable) {
  testing::TempDir dir;
  const FileOutcome outcome =
      ProcessHistoryFile(dir.Write("euro.txt", kEuroHand), Filter(1), Engine());
  EXPECT_TRUE(outcome.passedChecks);
  EXPECT_TRUE(outcome.source.completed);
  EXPECT_EQ(outcome.detectedBigBlind, 10);
  ASSERT_EQ(outcome.source.hands.size(), 1u);
  EXPECT_DOUBLE_EQ(outcome.source.hands[0].resultCents, 5);
  EXPECT_EQ(outcome.source.path, PathToText(dir / "euro.txt"));
}

TEST(ProcessHistoryFile, RefusesAFileOfAnotherCurrencyTableSizeOrRoomWhole) {
  testing::TempDir dir;
  const auto path = dir.Write("euro.txt", kEuroHand);
  const FileOutcome dollars = ProcessHistoryFile(path, Filter(0), Engine());  // a dollar run
  EXPECT_FALSE(dollars.passedChecks);
  EXPECT_EQ(dollars.source.skip, FileSkip::kOtherCurrency);

  HandFilter headsUp = Filter(1);
  headsUp.maxPl = 2;
  EXPECT_FALSE(ProcessHistoryFile(path, headsUp, Engine()).passedChecks);
  headsUp.numPl = 4;  // "All" table sizes: the seat count no longer matters
  EXPECT_TRUE(ProcessHistoryFile(path, headsUp, Engine()).passedChecks);

  HandFilter tiger = Filter(1);
  tiger.room = 3;
  EXPECT_FALSE(ProcessHistoryFile(path, tiger, Engine()).passedChecks);

  const FileOutcome missing = ProcessHistoryFile(dir / "missing.txt", Filter(1), Engine());
  EXPECT_FALSE(missing.passedChecks);
  EXPECT_TRUE(missing.source.hands.empty());
  EXPECT_EQ(missing.source.skip, FileSkip::kCannotOpen);
}

TEST(ProcessHistoryFile, TakesAnXmlSessionOnOneLineOnlyAtTheRunsLimit) {
  testing::TempDir dir;
  const auto path = dir.Write(
      "session.xml",
      "<?xml version=\"1.0\"?><session><general><mode>real</mode><gametype>Holdem NL "
      "$0.05/$0.10</gametype><nickname>Bob</nickname></general><game gamecode=\"7\"><general>"
      "<startdate>2024-03-05 10:00:00</startdate><players><player name=\"Bob\" win=\"$0.30\" "
      "bet=\"$0.10\" /><player name=\"Ann\" win=\"$0\" bet=\"$0.20\" /></players></general>"
      "</game></session>");
  HandFilter filter = Filter(0);
  filter.room = 4;
  const FileOutcome atTen = ProcessHistoryFile(path, filter, Engine());
  EXPECT_TRUE(atTen.passedChecks);
  EXPECT_EQ(atTen.detectedBigBlind, 10);
  ASSERT_EQ(atTen.source.hands.size(), 1u);
  EXPECT_DOUBLE_EQ(atTen.source.hands[0].resultCents, 20);

  filter.cashLimit = 25;  // its games would be counted in the wrong big blind
  EXPECT_FALSE(ProcessHistoryFile(path, filter, Engine()).passedChecks);
  filter.cashLimit = 0;  // every limit
  EXPECT_TRUE(ProcessHistoryFile(path, filter, Engine()).passedChecks);
}

}  // namespace
}  // namespace lumora
