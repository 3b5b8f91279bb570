#include "run/process_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sstream>

#include "app/run_settings.h"
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

/// All a file's reading yields, as text to compare.
std::string Digest(const FileOutcome& outcome) {
  const SourceResult& source = outcome.source;
  std::wostringstream out;
  out << outcome.passedChecks << ' ' << outcome.detectedBigBlind << ' ' << source.completed << ' '
      << (source.skip ? static_cast<int>(*source.skip) : -1) << ' ' << source.fatalError << '\n';
  for (const int count : source.leftOut) out << count << ' ';
  for (const HandResult& hand : source.hands)
    out << '\n'
        << hand.handId << ' ' << hand.startTime << ' ' << hand.bigBlindCents << ' '
        << hand.resultCents << ' ' << hand.allInEv.value_or(-1e300);
  for (const double value : source.allInValues) out << '\n' << value;
  for (const std::wstring& note : source.paneNotes) out << "\npane " << note;
  for (const std::wstring& note : source.logNotes) out << "\nlog " << note;
  return WideToUtf8(out.str());
}

TEST(ProcessHistoryFile, ReadsAFileInPiecesAsItReadsItWhole) {
  // Every fixture of every room, read a line at a time and in small pieces,
  // must give what it gives read whole: hands open across the cuts, the
  // last line's hand, line numbers in the notes, files abandoned midway.
  const std::pair<const char*, int32_t> rooms[] = {{"pokerstars", kPokerStars},
                                                   {"partypoker", kPartyPoker},
                                                   {"888poker", k888Poker},
                                                   {"tigergaming", kTigerGaming},
                                                   {"ipoker", kIPoker}};
  HistoryText file;
  size_t files = 0;
  for (const auto& [folder, room] : rooms) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             std::filesystem::path(LUMORA_TEST_DATA_DIR) / folder)) {
      if (!entry.is_regular_file() || entry.path().extension() == ".csv") continue;
      SCOPED_TRACE(entry.path().string());
      for (const int32_t currency : {0, 1, 2}) {  // the file's, and others that refuse it
        HandFilter filter = Filter(currency);
        filter.nick = L"Hero";
        filter.room = room;
        filter.cashLimit = 0;
        filter.numPl = kAllTableSizes;
        filter.minPl = 0;
        filter.maxPl = 10;
        filter.zoom = filter.nonZoom = 1;
        const std::string whole = Digest(ProcessHistoryFile(entry.path(), filter, Engine(), file,
                                                            std::numeric_limits<size_t>::max()));
        for (const size_t piece : {size_t{1}, size_t{200}})
          ASSERT_EQ(Digest(ProcessHistoryFile(entry.path(), filter, Engine(), file, piece)), whole)
              << "pieces of " << piece << ", currency " << currency;
      }
      ++files;
    }
  }
  EXPECT_GT(files, 20u);
}

}  // namespace
}  // namespace lumora
