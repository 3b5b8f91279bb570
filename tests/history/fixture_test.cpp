// Every fixture under tests/data is read as a run reads it, and each hand's
// result must be the one the simulated dealer recorded beside the file.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "app/run_settings.h"
#include "base/history_file.h"
#include "history/format_detection.h"
#include "history/history_hands.h"
#include "history/xml_history.h"
#include "tests/history/history_test_support.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

struct ExpectedHand {
  std::wstring id;
  long long resultCents = 0;
  bool allInShowdown = false;
  std::string note;
  std::optional<double> evCents;  ///< the all-in EV, where the file's own CSV gives it

  bool Noted(const char* word) const { return note.find(word) != std::string::npos; }
};

/// The rows of an expected-results file. Hand-made fixtures may add a fifth
/// column, the all-in EV in cents ("ev_cents", empty for a hand without one).
std::vector<ExpectedHand> ReadExpected(const fs::path& csv) {
  std::vector<ExpectedHand> hands;
  std::ifstream file(csv);
  std::string line;
  std::getline(file, line);
  const bool withEv = line.ends_with(",ev_cents");
  while (std::getline(file, line)) {
    std::istringstream row(line);
    std::string id, result, allIn, note, ev;
    std::getline(row, id, ',');
    std::getline(row, result, ',');
    std::getline(row, allIn, ',');
    std::getline(row, note, withEv ? ',' : '\n');
    std::getline(row, ev);
    ExpectedHand hand{Utf8ToWide(id), std::stoll(result), allIn == "1", note, std::nullopt};
    if (withEv && !ev.empty()) hand.evCents = std::stod(ev);
    hands.push_back(std::move(hand));
  }
  return hands;
}

/// The fixture files (those with expected results) of a room's folder.
std::vector<fs::path> Fixtures(const char* room) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(LUMORA_TEST_DATA_DIR) / room))
    if (fs::exists(entry.path().string() + ".expected.csv")) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

struct FixtureReading {
  bool completed = false;
  SourceResult source;
};

FixtureReading ReadFixture(const fs::path& path, int32_t room) {
  HistoryText file;
  EXPECT_EQ(ReadHistoryFileEx(path, file, kChatAndSeatingLeads), kReadOk);  // as a run reads
  FileFormatInfo info;
  info.room = room;
  DetectHistoryFormat(file.lines, info);
  EXPECT_EQ(info.room, room);
  EXPECT_TRUE(info.realMoney);
  HandFilter filter = testing::BobsFilter();
  filter.nick = L"Hero";
  filter.room = room;
  filter.currency = info.currency;
  FixtureReading reading;
  reading.completed = room == kIPoker
                          ? ReadXmlHistoryFile(PathToText(path), file.text, filter, info.bigBlind,
                                               testing::Engine(), reading.source)
                          : ReadHistoryHands(PathToText(path), filter, file.lines, info.bigBlind,
                                             testing::Engine(), reading.source, file.marked);
  return reading;
}

void ExpectTheDealersResults(const char* folder, int32_t room) {
  const auto files = Fixtures(folder);
  ASSERT_FALSE(files.empty());
  for (const fs::path& path : files) {
    SCOPED_TRACE(path.string());
    const FixtureReading reading = ReadFixture(path, room);
    std::vector<ExpectedHand> expected = ReadExpected(path.string() + ".expected.csv");
    if (!reading.completed) {
      // A file is abandoned or refused whole only for a tournament in it, or
      // for being play money or another player's, and says which.
      EXPECT_TRUE(std::any_of(expected.begin(), expected.end(), [](const ExpectedHand& hand) {
        return hand.Noted("tournament") || hand.Noted("rejected");
      }));
      EXPECT_TRUE(reading.source.skip.has_value());
      EXPECT_TRUE(reading.source.fatalError.empty());
      continue;
    }
    // Tournament hands are never read, a hand the hero folded before the deal
    // or sat out is no hand of his, and a hand cut off before its end does
    // not count: the log says so.
    const auto cutOff =
        std::count_if(expected.begin(), expected.end(),
                      [](const ExpectedHand& hand) { return hand.Noted("cut off"); });
    EXPECT_EQ(reading.source.logNotes.size(), static_cast<size_t>(cutOff));
    std::erase_if(expected, [](const ExpectedHand& hand) {
      return hand.Noted("tournament") || hand.Noted("rejected") || hand.Noted("hero sitting out") ||
             hand.Noted("cut off");
    });
    ASSERT_EQ(reading.source.hands.size(), expected.size());
    size_t allIns = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
      const HandResult& hand = reading.source.hands[i];
      EXPECT_EQ(hand.handId, expected[i].id);
      EXPECT_NEAR(hand.resultCents, expected[i].resultCents, 1e-6)
          << "hand " << WideToUtf8(expected[i].id) << ": " << expected[i].note;
      allIns += expected[i].allInShowdown;
      if (expected[i].evCents) {
        ASSERT_TRUE(hand.allInEv.has_value()) << WideToUtf8(expected[i].id);
        EXPECT_NEAR(*hand.allInEv * 100.0, *expected[i].evCents, 0.5) << WideToUtf8(expected[i].id);
      }
    }
    EXPECT_EQ(reading.source.allInReports.size(), allIns);
  }
}

TEST(Fixtures, PokerStarsHandsGiveTheDealersResults) {
  ExpectTheDealersResults("pokerstars", kPokerStars);
}

TEST(Fixtures, PartyPokerHandsGiveTheDealersResults) {
  ExpectTheDealersResults("partypoker", kPartyPoker);
}

TEST(Fixtures, TigerGamingHandsGiveTheDealersResults) {
  ExpectTheDealersResults("tigergaming", kTigerGaming);
}

TEST(Fixtures, EightEightEightHandsGiveTheDealersResults) {
  ExpectTheDealersResults("888poker", k888Poker);
}

TEST(Fixtures, XmlSessionsGiveTheDealersResults) {
  ExpectTheDealersResults("ipoker", kIPoker);
}

}  // namespace
}  // namespace lumora
