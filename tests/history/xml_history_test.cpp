#include "history/xml_history.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/history_file.h"
#include "tests/history/history_test_support.h"
#include "tests/support/scoped_time_zone.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using testing::BobsFilter;
using ::testing::HasSubstr;

constexpr int64_t k5March2024 = 1709596800;  // 00:00:00 UTC
constexpr int64_t k6March2024 = k5March2024 + 86400;

std::string Session(const std::string& general, const std::string& games) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<session sessioncode=\"1\">\n<general>" +
         general + "</general>\n" + games + "</session>\n";
}

std::string Game(const std::string& code, const std::string& date, const std::string& players) {
  return "<game gamecode=\"" + code + "\"><general><startdate>" + date + "</startdate><players>" +
         players + "</players></general><round no=\"0\"/></game>\n";
}

std::string Player(const std::string& name, const std::string& win, const std::string& bet) {
  return "<player name=\"" + name + "\" win=\"" + win + "\" bet=\"" + bet + "\" />";
}

const std::string kBobs =
    "<mode>real</mode><gametype>Holdem NL $0.05/$0.10</gametype><nickname>Bob</nickname>";

struct XmlReading {
  bool completed = false;
  SourceResult out;
};

class XmlSession : public ::testing::Test {
 protected:
  XmlReading Read(const std::string& bytes, HandFilter filter = BobsFilter()) {
    filter.room = 4;
    const auto path = dir.Write("session.xml", bytes);
    HistoryText file;
    EXPECT_EQ(ReadHistoryFileEx(path, file), kReadOk);
    XmlReading reading;
    reading.completed =
        ReadXmlHistoryFile(PathToText(path), file.text, filter, 10, testing::Engine(), reading.out);
    return reading;
  }

  testing::ScopedTimeZone zone{"UTC"};
  testing::TempDir dir;
};

TEST_F(XmlSession, TheRangeTakesItsStartButNotItsEnd) {
  HandFilter filter = BobsFilter();
  filter.timeFrom = k5March2024;
  filter.timeTo = k6March2024;
  const std::string bob = Player("Bob", "$1", "$0") + Player("Ann", "$0", "$1");
  const XmlReading reading = Read(
      Session(kBobs, Game("1", "2024-03-04 23:59:59", bob) + Game("2", "2024-03-05 00:00:00", bob) +
                         Game("3", "2024-03-06 00:00:00", bob)),
      filter);
  ASSERT_EQ(reading.out.hands.size(), 1u);
  EXPECT_EQ(reading.out.hands[0].handId, L"2");
}

TEST_F(XmlSession, GamesOutsideTheSeatBoundsAddNothing) {
  HandFilter filter = BobsFilter();
  filter.maxPl = 4;
  std::string six;
  for (const char* name : {"Bob", "A", "B", "C", "D", "E"}) six += Player(name, "$0", "$0.01");
  const XmlReading reading = Read(Session(kBobs, Game("1", "2024-03-05 10:00:00", six)), filter);
  EXPECT_TRUE(reading.completed);
  EXPECT_TRUE(reading.out.hands.empty());
}

TEST_F(XmlSession, PlayersBeforeTheStartDateSkipTheDateTest) {
  HandFilter filter = BobsFilter();
  filter.timeFrom = k6March2024;
  const XmlReading reading = Read(
      Session(kBobs, "<game gamecode=\"9\"><general><players>" + Player("Bob", "$2", "$1") +
                         Player("Ann", "$0", "$1") +
                         "</players><startdate>2024-03-05 10:00:00</startdate></general></game>"),
      filter);
  ASSERT_EQ(reading.out.hands.size(), 1u);
  EXPECT_DOUBLE_EQ(reading.out.hands[0].resultCents, 100);
}

TEST_F(XmlSession, AStartDateOutOfRangeSkipsItsGameAloneNamingTheLine) {
  const XmlReading reading =
      Read(Session(kBobs, Game("1", "2024-13-05 10:00:00", Player("Bob", "$2", "$1")) +
                              Game("2", "2024-03-05 10:00:00",
                                   Player("Bob", "$2", "$1") + Player("Ann", "$0", "$1"))));
  EXPECT_TRUE(reading.completed);
  ASSERT_EQ(reading.out.hands.size(), 1u);
  EXPECT_EQ(reading.out.hands[0].handId, L"2");
  ASSERT_EQ(reading.out.logNotes.size(), 1u);
  EXPECT_THAT(reading.out.logNotes[0], HasSubstr(L", line 4: "));
  EXPECT_THAT(reading.out.logNotes[0], HasSubstr(L"2024-13-05"));
}

TEST_F(XmlSession, TextsAreReadThroughEntitiesCdataAndComments) {
  const std::string general =
      "<mode><![CDATA[real]]></mode><gametype>Holdem NL &#36;0.25/&#36;0.50</gametype>"
      "<nickname>B&#111;b</nickname>";
  const XmlReading reading = Read(Session(
      general,
      "<game gamecode=\"7\"><general><startdate><!-- local -->2024-03-05 10:00:00"
      "</startdate><players>" +
          Player("Bob", "$2", "$1") + Player("Ann", "$0", "$1") + "</players></general></game>"));
  EXPECT_TRUE(reading.completed);
  ASSERT_EQ(reading.out.hands.size(), 1u);
  EXPECT_EQ(reading.out.hands[0].bigBlindCents, 50);
  EXPECT_EQ(reading.out.hands[0].startTime, k5March2024 + 10 * 3600);
}

TEST_F(XmlSession, ASessionThatIsNotWellFormedCountsNothingNotEvenItsRefusal) {
  const std::string bob = Player("Bob", "$2", "$1") + Player("Ann", "$0", "$1");
  const std::string broken = "<game gamecode=\"x\"><general></game>";
  const XmlReading reading = Read(Session(kBobs, Game("1", "2024-03-05 10:00:00", bob)) +
                                  Session(kBobs, Game("2", "2024-03-05 11:00:00", bob) + broken) +
                                  Session("<mode>play</mode><nickname>Bob</nickname>", broken) +
                                  Session(kBobs, Game("3", "2024-03-05 12:00:00", bob)));
  EXPECT_TRUE(reading.completed);
  EXPECT_FALSE(reading.out.skip);
  ASSERT_EQ(reading.out.hands.size(), 2u);
  EXPECT_EQ(reading.out.hands[0].handId, L"1");
  EXPECT_EQ(reading.out.hands[1].handId, L"3");
}

}  // namespace
}  // namespace lumora
