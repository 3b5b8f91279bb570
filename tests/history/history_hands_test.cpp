#include "history/history_hands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "history/format_detection.h"
#include "tests/history/history_test_support.h"
#include "tests/support/scoped_time_zone.h"

namespace lumora {
namespace {

using testing::BobsFilter;
using ::testing::ElementsAre;
using testing::Engine;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::Lines;
using testing::ViewsOf;

/// A PokerStars hand in which Bob loses his big blind of 0.10.
std::wstring StarsHand(int number, const wchar_t* etTime = L"2024/03/05 6:00:00",
                       const wchar_t* stakes = L"$0.05/$0.10 USD") {
  return Format(
      LR"(
PokerStars Hand #%d: Hold'em No Limit (%s) - 2024/03/05 12:00:00 CET [%s ET]
Table 'Halley' 6-max Seat #1 is the button
Seat 1: Ann ($10 in chips)
Seat 2: Bob ($10 in chips)
Ann: posts small blind $0.05
Bob: posts big blind $0.10
*** HOLE CARDS ***
Ann: raises $0.20 to $0.30
Bob: folds
*** SUMMARY ***
)",
      number, std::wstring(stakes), std::wstring(etTime));
}

/// The same hand played for euros.
std::wstring EuroHand(int number) {
  std::wstring text = StarsHand(number, L"2024/03/05 6:00:00", L"$0.05/$0.10 EUR");
  for (size_t at = text.find(L'$'); at != std::wstring::npos; at = text.find(L'$', at))
    text[at] = L'\u20AC';
  return text;
}

std::vector<HandResult> Read(const std::wstring& text, HandFilter filter, bool& completed,
                             SourceResult* source = nullptr) {
  SourceResult local;
  SourceResult& out = source ? *source : local;
  completed = ReadHistoryHands(L"/h/f.txt", filter, ViewsOf(Lines(text)), 10, Engine(), out);
  return out.hands;
}

std::vector<std::wstring> Ids(const std::vector<HandResult>& hands) {
  std::vector<std::wstring> ids;
  for (const HandResult& hand : hands) ids.push_back(hand.handId);
  return ids;
}

void Detect(std::wstring_view text, FileFormatInfo& info) {
  const auto lines = Lines(text);
  DetectHistoryFormat(ViewsOf(lines), info);
}

TEST(Detection, RecognisesEachRoomAndItsTable) {
  FileFormatInfo stars;
  stars.room = 3;
  Detect((StarsHand(1)), stars);
  EXPECT_EQ(stars.room, 1);
  EXPECT_TRUE(stars.realMoney);
  EXPECT_EQ(stars.tableSeats, 6);
  EXPECT_EQ(stars.bigBlind, 10);
  EXPECT_EQ(stars.currency, 0);

  FileFormatInfo party;
  Detect((LR"(
    Game #1 starts.
    Total number of players : 3/9
    Ann posts small blind [$0.10 USD].
    dr. spaz posts big blind [$0.25 USD].
    Bob posts big blind [$0.25 USD].)"),
         party);
  EXPECT_EQ(party.room, 0);
  EXPECT_TRUE(party.realMoney);
  EXPECT_EQ(party.tableSeats, 9);
  EXPECT_EQ(party.bigBlind, 25);

  FileFormatInfo unknown;
  unknown.room = 2;
  Detect((L"hello\nworld"), unknown);
  EXPECT_EQ(unknown.room, 2);  // the expected room stays, but nothing is real money
  EXPECT_FALSE(unknown.realMoney);
}

TEST(Detection, SkipsATournamentHandBeforeTheCashHands) {
  FileFormatInfo info;
  Detect((L"PokerStars Hand #1: Tournament #99, $1+$0.10 USD Hold'em No Limit\n"
          L"Bob: posts big blind 20\n" +
          EuroHand(2)),
         info);
  EXPECT_EQ(info.room, 1);
  EXPECT_EQ(info.currency, 1);  // euros: a USD run refuses the file
  EXPECT_EQ(info.bigBlind, 10);
}

TEST(Detection, TheLastStakesOfAnEightEightEightFileAndOfAnXmlFileCount) {
  FileFormatInfo poker888;
  Detect((LR"(
    #Game No : 1
    ***** 888poker Hand History for Game 1 *****
    Table Lyon 6 Max (Real Money)
    $0.05/$0.10 Blinds No Limit Holdem - *** 05 03 2024 12:00:00
    $0.10/$0.25 Blinds No Limit Holdem - *** 05 03 2024 12:01:00)"),
         poker888);
  EXPECT_EQ(poker888.room, 2);
  EXPECT_TRUE(poker888.realMoney);
  EXPECT_EQ(poker888.tableSeats, 6);
  EXPECT_EQ(poker888.bigBlind, 25);

  FileFormatInfo xml;
  Detect((LR"(
    <?xml version="1.0" encoding="UTF-8"?>
    <session><general><gametype>Holdem NL £0.05/£0.10</gametype></general></session>)"),
         xml);
  EXPECT_EQ(xml.room, 4);
  EXPECT_TRUE(xml.realMoney);
  EXPECT_EQ(xml.currency, 2);
  EXPECT_EQ(xml.bigBlind, 10);
}

TEST(Splitter, ReadsEveryHandAndTheLastLineBelongsToTheLastHand) {
  bool completed = false;
  std::wstring text = StarsHand(1) + StarsHand(2);
  text +=
      L"PokerStars Hand #3: Hold'em No Limit ($0.05/$0.10 USD) - 2024/03/05 12:00:00 CET "
      L"[2024/03/05 6:00:00 ET]";
  const auto hands = Read(text, BobsFilter(), completed);
  EXPECT_TRUE(completed);
  EXPECT_THAT(Ids(hands), ElementsAre(L"1", L"2"));
  EXPECT_DOUBLE_EQ(hands[0].resultCents, -10);
  EXPECT_EQ(hands[0].bigBlindCents, 10);
  EXPECT_EQ(hands[0].startTime, 1709632800);  // 6:00 ET = 10:00 UTC

  // Without a list of the hands, a counted hand carries no number; the note
  // on a hand cut off before its summary still names it.
  HandFilter unlisted = BobsFilter();
  unlisted.handIds = false;
  std::wstring cutOff = StarsHand(4);
  cutOff.resize(cutOff.rfind(L"*** SUMMARY ***"));
  SourceResult out;
  EXPECT_THAT(Ids(Read(StarsHand(1) + cutOff, unlisted, completed, &out)), ElementsAre(L""));
  ASSERT_EQ(out.logNotes.size(), 1u);
  EXPECT_THAT(out.logNotes[0], HasSubstr(L"hand #4 "));
}

TEST(Splitter, ChatAndSeatingLinesAreSkippedWhetherOrNotDecodingMarkedThem) {
  // Outside a hand a header anywhere in a line opens one: quoted in chat, it
  // must not.
  const std::wstring text =
      L"Ann said, \"PokerStars Hand #9: Hold'em No Limit ($0.05/$0.10 USD) - 2024/03/05 "
      L"12:00:00 CET [2024/03/05 6:00:00 ET]\"\nCy joins the table at seat #4\n" +
      StarsHand(1);
  HistoryText file;
  DecodeHistoryInto("\xEF\xBB\xBF" + WideToUtf8(text), file, kChatAndSeatingLeads);
  for (const bool marked : {true, false}) {
    SourceResult out;
    EXPECT_TRUE(ReadHistoryHands(L"/h/f.txt", BobsFilter(), file.lines, 10, Engine(), out,
                                 marked ? file.marked : std::vector<uint8_t>{}));
    EXPECT_THAT(Ids(out.hands), ElementsAre(L"1")) << marked;
    EXPECT_EQ(out.leftOut, HandLeftOutCounts{}) << marked;
  }
}

TEST(Splitter, ALineOfMegabytesIsReadWithoutRunningOutOfStack) {
  bool completed = false;
  const std::wstring huge(1 << 20, L'x');
  std::wstring text = StarsHand(1);
  text.replace(
      text.find(L"Bob: folds"), 10,
      L"Ann said, " + huge + L"\nBob cashed out the hand for $0.1" + huge + L"\nBob: folds");
  const auto hands = Read(text, BobsFilter(), completed);
  EXPECT_TRUE(completed);
  EXPECT_EQ(hands.size(), 1u);
}

TEST(Splitter, PokerStarsFiltersEachHandByItsHeader) {
  HandFilter filter = BobsFilter();
  filter.timeFrom = 1709632800;  // 5 March 2024 10:00 UTC
  filter.timeTo = 1709632800 + 3600;
  filter.zoom = 0;
  bool completed = false;
  const std::wstring zoom =
      L"PokerStars Zoom Hand #5: Hold'em No Limit ($0.05/$0.10) - 2024/03/05 12:00:00 CET "
      L"[2024/03/05 6:00:00 ET]\nBob: folds\n";
  const auto hands =
      Read(StarsHand(1, L"2024/03/05 5:59:59") + StarsHand(2) + zoom +
               StarsHand(3, L"2024/03/05 7:00:01") + StarsHand(4, L"2024/03/05 7:00:00"),
           filter, completed);
  EXPECT_TRUE(completed);
  EXPECT_THAT(Ids(hands), ElementsAre(L"2", L"4"));  // both ends of the range are inside
}

TEST(Splitter, HandsNotTakenStayOutOfARangeThatStartsIn1970) {
  bool completed = false;
  std::wstring limitHoldem = StarsHand(5);
  limitHoldem.replace(limitHoldem.find(L"No Limit"), 8, L"Limit");
  std::wstring badDate = StarsHand(6);
  badDate.replace(badDate.find(L"2024/03/05 12"), 10, L"2024/13/05");
  const auto hands = Read(limitHoldem + badDate + StarsHand(7), BobsFilter(), completed);
  EXPECT_THAT(Ids(hands), ElementsAre(L"7"));
}

TEST(Splitter, AHandOfAnotherRoomAbandonsTheFile) {
  bool completed = true;
  Read(L"Game #2 starts.\n" + StarsHand(3), BobsFilter(), completed);
  EXPECT_FALSE(completed);
  HandFilter party = BobsFilter();
  party.room = 0;
  Read(StarsHand(3), party, completed);
  EXPECT_FALSE(completed);
}

/// A PartyPoker hand in which Bob loses his big blind of 0.25.
std::wstring PartyHand(int number, const wchar_t* date = L"Tuesday, June 19, 23:00:41 EDT 2018") {
  return Format(
      LR"(
Game #%d starts.
#Game No : %d
***** Hand History for Game %d *****
$0.10/$0.25 USD NL Texas Hold'em - %s
Table Clifton (Real Money)
Total number of players : 2/9
Seat 1: Ann ( $10 USD )
Seat 2: Bob ( $10 USD )
Ann posts small blind [$0.10 USD].
Bob posts big blind [$0.25 USD].
** Dealing down cards **
Ann raises [$0.65 USD]
Bob folds
Ann wins $0.75 USD
)",
      number, number, number, std::wstring(date));
}

HandFilter BobsPartyFilter() {
  HandFilter filter = BobsFilter();
  filter.room = 0;
  return filter;
}

/// Reads `text` as the PartyPoker file "/h/p.txt" of big blind 0.25.
bool ReadParty(const std::wstring& text, const HandFilter& filter, SourceResult& out) {
  const auto lines = Lines(text);
  return ReadHistoryHands(L"/h/p.txt", filter, ViewsOf(lines), 25, Engine(), out);
}

TEST(Splitter, APartyPokerHandOutsideTheRangeIsSkippedAlone) {
  testing::ScopedTimeZone zone("UTC");
  HandFilter filter = BobsPartyFilter();
  filter.timeFrom = 1529366400;  // 19 June 2018
  filter.timeTo = 1529452800;    // 20 June 2018
  bool completed = false;
  SourceResult out;
  completed = ReadParty(PartyHand(1) + PartyHand(2, L"Wednesday, June 20, 00:00:01 EDT 2018") +
                            PartyHand(3, L"Tuesday, June 19, 23:59:59 EDT 2018"),
                        filter, out);
  EXPECT_TRUE(completed);
  EXPECT_THAT(Ids(out.hands), ElementsAre(L"1", L"3"));
  EXPECT_DOUBLE_EQ(out.hands[0].resultCents, -25);
}

TEST(Splitter, APartyPokerDateOutOfRangeSkipsItsHandAloneNamingFileAndLine) {
  SourceResult out;
  const bool completed =
      ReadParty(PartyHand(1) + PartyHand(2, L"Tuesday, June 32, 23:00:41 EDT 2018") + PartyHand(3),
                BobsPartyFilter(), out);
  EXPECT_TRUE(completed);
  EXPECT_THAT(Ids(out.hands), ElementsAre(L"1", L"3"));
  ASSERT_EQ(out.logNotes.size(), 1u);
  EXPECT_THAT(out.logNotes[0], HasSubstr(L"/h/p.txt, line 19: "));
  EXPECT_THAT(out.logNotes[0], HasSubstr(L"June 32"));
}

/// A Tiger Gaming hand at `time` in which Bob loses his big blind of 0.10.
std::wstring TigerHand(int number, const wchar_t* time) {
  return Format(
      LR"(
Tiger Gaming Game #%d: Hold'em No Limit ($0.05/0.10) - %s ET
Table 'Koala' 6-Max, Seat #1 is the button
Seat 1: Ann (10 in chips)
Seat 2: Bob (10 in chips)
Ann: posts small blind 0.05
Bob: posts big blind 0.10
Ann: raises 0.20 to 0.30
Bob: folds
*** SUMMARY ***
)",
      number, std::wstring(time));
}

/// An 888poker hand at `time` ("05 03 2024 12:00:00") in which Bob loses
/// his big blind of 0.10.
std::wstring Hand888(int number, const wchar_t* time) {
  return Format(
      LR"(
#Game No : %d
***** 888poker Hand History for Game %d *****
$0.05/$0.10 Blinds No Limit Holdem - *** %s
Table Lyon 6 Max (Real Money)
Total number of players : 2
Seat 1: Ann ( $10 )
Seat 2: Bob ( $10 )
Ann posts small blind [$0.05]
Bob posts big blind [$0.10]
** Dealing down cards **
Ann raises [$0.25]
Bob folds
** Summary **
)",
      number, number, std::wstring(time));
}

TEST(Splitter, TigerAndEightEightEightHandsOutsideTheRangeAreSkippedAlone) {
  testing::ScopedTimeZone zone("UTC");
  HandFilter filter = BobsFilter();
  filter.timeFrom = 1709596800;  // 5 March 2024
  filter.timeTo = 1709683200;    // 6 March 2024
  bool completed = false;
  filter.room = 3;
  auto hands = Read(TigerHand(1, L"2024/03/04 23:59:59") + TigerHand(2, L"2024/03/05 12:00:00") +
                        TigerHand(3, L"2024/03/06 00:00:01"),
                    filter, completed);
  EXPECT_TRUE(completed);
  EXPECT_THAT(Ids(hands), ElementsAre(L"2"));
  EXPECT_DOUBLE_EQ(hands[0].resultCents, -10);

  filter.room = 2;
  hands = Read(Hand888(1, L"04 03 2024 23:59:59") + Hand888(2, L"05 03 2024 12:00:00") +
                   Hand888(3, L"06 03 2024 00:00:01"),
               filter, completed);
  EXPECT_TRUE(completed);
  EXPECT_THAT(Ids(hands), ElementsAre(L"2"));
  EXPECT_DOUBLE_EQ(hands[0].resultCents, -10);
}

TEST(Splitter, HandsOfOtherStakesOrCurrenciesAreNotRead) {
  HandFilter filter = BobsFilter();
  filter.cashLimit = 10;
  bool completed = false;
  const auto hands =
      Read(StarsHand(1, L"2024/03/05 6:00:00", L"$0.10/$0.25 USD") + StarsHand(2) + EuroHand(3),
           filter, completed);
  EXPECT_THAT(Ids(hands), ElementsAre(L"2"));
}

}  // namespace
}  // namespace lumora
