// Hostile files beside a known-good one: each is read rightly or skipped with
// its reason, and the good file's figures stay what they are when it is read
// alone. The large inputs are made here, at run time.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/regex.hpp>
#include <filesystem>
#include <random>

#include "app/lumora_app.h"
#include "base/text.h"
#include "run/run_analysis.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::ReadFile;

const fs::path kData = LUMORA_TEST_DATA_DIR;

/// What a file gave in a run: hand count and result in cents ("File:"
/// line), or the reason it was skipped ("Skipped file:" log line).
struct FileFigures {
  int hands = 0;
  double resultCents = 0.0;
  std::string skipped;
  bool operator==(const FileFigures&) const = default;
};

std::ostream& operator<<(std::ostream& out, const FileFigures& f) {
  return out << f.hands << " hands, " << f.resultCents << " cents, skipped: " << f.skipped;
}

/// The text without its UTF-8 byte-order mark.
std::string WithoutMark(std::string text) {
  return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

/// UTF-8 text as UTF-16 without a byte-order mark.
std::string Utf16(const std::string& utf8, bool bigEndian) {
  std::string out;
  for (const wchar_t c : Utf8ToWide(utf8)) {
    const char high = static_cast<char>((c >> 8) & 0xFF);
    const char low = static_cast<char>(c & 0xFF);
    out += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return out;
}

/// Every "$" amount a million times larger, written as the clients write
/// large amounts ("$1,013.50" becomes "$1,013,500,000.00").
std::string MillionTimes(const std::string& text) {
  static const boost::regex kAmount(R"(\$([0-9][0-9,]*)(\.[0-9]{1,2})?)");
  std::string out;
  auto last = text.cbegin();
  for (boost::sregex_iterator it(text.begin(), text.end(), kAmount), end; it != end; ++it) {
    out.append(last, (*it)[0].first);
    // The units of a million times the amount: its cents and four zeros.
    std::string cents = (*it)[2].matched ? (*it)[2].str().substr(1) : "";
    cents.resize(2, '0');
    std::string digits = (*it)[1].str() + cents + "0000";
    std::erase(digits, ',');
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
      if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
      grouped += digits[i];
    }
    out += "$" + grouped + ".00";
    last = (*it)[0].second;
  }
  return out.append(last, text.cend());
}

/// `text` with the first occurrence of `from` replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

class HostileFiles : public ::testing::Test {
 protected:
  HostileFiles() : app(dir / "Lumora.log") {
    app.m_settings.HistoryPath = PathToText(hands);
    app.m_settings.NickName = L"Hero";
    app.m_settings.CashLimit = 0;  // every limit: the large stakes count too
    app.m_settings.NumPl = kAllTableSizes;
    app.m_dateRange = {0, 4102444800};
  }

  /// Copies the fixture `name` into the history folder as `good.txt` (or
  /// `good.xml`) and returns its content.
  std::string Good(const fs::path& fixture) {
    const std::string text = ReadFile(kData / fixture);
    EXPECT_FALSE(text.empty()) << fixture;
    Write("good" + fixture.extension().string(), text);
    return text;
  }
  fs::path Write(const std::string& name, const std::string& bytes) {
    return dir.Write(fs::path("hands") / Named(name), bytes);
  }
  /// The file's name in the history folder: 888poker files are known by theirs.
  std::string Named(const std::string& name) const {
    return app.m_settings.PokerRoom == k888Poker ? "888poker " + name : name;
  }

  /// Runs the analysis and keeps its report and log.
  void Run() {
    ui = {};
    RunAnalysis(app, ui);
    log = ReadFile(dir / "Lumora.log");
  }
  FileFigures Of(const std::string& name) const {
    FileFigures figures;
    const std::wstring path = PathToText(hands / Named(name));
    for (const std::wstring& line : ui.lines) {
      const std::wstring prefix = L"File: " + path + L" nHands = ";
      if (!line.starts_with(prefix)) continue;
      const std::string rest = WideToUtf8(line.substr(prefix.size()));
      std::sscanf(rest.c_str(), "%d Result = %lf", &figures.hands, &figures.resultCents);
    }
    const std::string skipped = "Skipped file: " + WideToUtf8(path) + " (";
    if (const size_t at = log.rfind(skipped); at != std::string::npos) {
      const size_t from = at + skipped.size();
      figures.skipped = log.substr(from, log.find(")\n", from) - from);
    }
    return figures;
  }
  /// The good file's figures when it is read alone, before any hostile file joins it.
  FileFigures Alone() {
    Run();
    const FileFigures good = Of(GoodName());
    EXPECT_GT(good.hands, 0);
    return good;
  }
  std::string GoodName() const {
    return app.m_settings.PokerRoom == kIPoker ? "good.xml" : "good.txt";
  }

  testing::TempDir dir;
  fs::path hands = dir / "hands";
  CLumoraApp app;
  testing::RecordingUi ui;
  std::string log;
};

TEST_F(HostileFiles, PokerStarsFolder) {
  app.m_settings.PokerRoom = kPokerStars;
  const std::string good = WithoutMark(
      Good("pokerstars/basics/HH20240305 Halley - $0.05-$0.10 - USD No Limit Hold'em.txt"));
  const FileFigures alone = Alone();

  std::mt19937 random(14);
  std::string garbage(4096, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  Write("garbage.txt", garbage);
  Write("empty.txt", "");
  Write("utf16le.txt", Utf16(good, false));
  Write("utf16be.txt", Utf16(good, true));
  // A megabyte of noise before the second hand, and one of chat in the first.
  std::string longLines = good;
  longLines.insert(good.find("PokerStars Hand #", 1), std::string(1 << 20, '7') + "\n");
  Write("long_lines.txt",
        Replaced(longLines, "\n", "\nHero said, \"" + std::string(1 << 20, 'x') + "\"\n"));
  // Over the largest file read: a sparse file, so nothing is written.
  fs::resize_file(Write("huge.txt", good), (512ull << 20) + 1);
  // A link up the tree, and a file above the history folder it would reach.
  dir.Write("outside.txt", good);
  fs::create_directory_symlink("..", hands / "up");

  Run();
  EXPECT_EQ(Of("good.txt"), alone);
  EXPECT_EQ(Of("garbage.txt").skipped, "unreadable");
  EXPECT_EQ(Of("empty.txt").skipped, "unreadable");
  EXPECT_EQ(Of("utf16le.txt"), alone);
  EXPECT_EQ(Of("utf16be.txt"), alone);
  EXPECT_EQ(Of("long_lines.txt"), alone);
  EXPECT_EQ(Of("huge.txt").skipped, "over 512 MB");
  EXPECT_THAT(log, ::testing::Not(HasSubstr("outside.txt")));
  EXPECT_THAT(log, HasSubstr("(a link to a folder that holds the history folder)"));
}

TEST_F(HostileFiles, AStrayByteLeavesAUtf8FileUtf8) {
  app.m_settings.PokerRoom = kPokerStars;
  app.m_settings.Currency = kEur;
  const std::string good =
      Good("pokerstars/euro/HH20240306 Ara - \u20AC0.05-\u20AC0.10 - EUR No Limit Hold'em.txt");
  const FileFigures alone = Alone();
  // One Windows-1252 byte in a chat line, in a file without a byte-order mark.
  Write("stray.txt", Replaced(WithoutMark(good), "\n", "\nHero said, \"caf\xE9\"\n"));
  Run();
  EXPECT_EQ(Of("good.txt"), alone);
  EXPECT_EQ(Of("stray.txt"), alone);
}

/// The first hand's header date moved to `to` skips that hand alone.
struct BadDateCase {
  int32_t room;
  const char* fixture;
  const char* from;  ///< the first hand's date as written
  const char* to;
};

class HostileDates : public HostileFiles, public ::testing::WithParamInterface<BadDateCase> {};

TEST_P(HostileDates, ABadDateSkipsItsHandAlone) {
  const BadDateCase& c = GetParam();
  app.m_settings.PokerRoom = c.room;
  const std::string good = Good(c.fixture);
  const FileFigures alone = Alone();
  const std::string extension = fs::path(c.fixture).extension().string();
  Write("bad_date" + extension, Replaced(good, c.from, c.to));
  Run();
  EXPECT_EQ(Of(GoodName()), alone);
  EXPECT_EQ(Of("bad_date" + extension).hands, alone.hands - 1);
  EXPECT_THAT(log, HasSubstr("is out of range"));
}

INSTANTIATE_TEST_SUITE_P(
    EveryRoom, HostileDates,
    ::testing::Values(BadDateCase{kPartyPoker, "partypoker/basics/PartyPoker Clifton 20240612.txt",
                                  "June 12, ", "June 32, "},
                      BadDateCase{k888Poker,
                                  "888poker/basics/888poker20240305 Lyon 6 Max No Limit Holdem "
                                  "$0.05-$0.10.txt",
                                  "*** 05 03 2024", "*** 05 13 2024"},
                      BadDateCase{kTigerGaming, "tigergaming/basics/TigerGaming Koala 20240305.txt",
                                  "2024/03/05", "2024/13/05"},
                      BadDateCase{kIPoker,
                                  "ipoker/basics/20240305 Sirius Holdem NL $0.05-$0.10.xml",
                                  "      <startdate>2024-03-05", "      <startdate>1969-12-05"}));

/// A room and one of its files.
struct RoomFile {
  int32_t room;
  const char* fixture;
};

class HostileAmounts : public HostileFiles, public ::testing::WithParamInterface<RoomFile> {};

TEST_P(HostileAmounts, AMillionTimesTheStakesGiveAMillionTimesTheResult) {
  app.m_settings.PokerRoom = GetParam().room;
  const std::string good = Good(GetParam().fixture);
  const FileFigures alone = Alone();
  const std::string extension = fs::path(GetParam().fixture).extension().string();
  Write("millions" + extension, MillionTimes(good));
  Run();
  EXPECT_EQ(Of("millions" + extension), (FileFigures{alone.hands, alone.resultCents * 1e6, ""}));
}

INSTANTIATE_TEST_SUITE_P(
    RoomsThatSignTheirAmounts, HostileAmounts,
    ::testing::Values(
        RoomFile{kPokerStars,
                 "pokerstars/side_pots/HH20240305 Ankaa - $0.05-$0.10 - USD No Limit Hold'em.txt"},
        RoomFile{kPartyPoker, "partypoker/side_pots/PartyPoker Wexford 20240612.txt"},
        RoomFile{k888Poker,
                 "888poker/side_pots/888poker20240305 Lyon 6 Max No Limit Holdem "
                 "$0.05-$0.10.txt"},
        RoomFile{kIPoker, "ipoker/basics/20240305 Sirius Holdem NL $0.05-$0.10.xml"}));

TEST_F(HostileFiles, TigerGamingHeroInSeatTen) {
  app.m_settings.PokerRoom = kTigerGaming;
  std::string good = Good("tigergaming/ten_max/TigerGaming Wombat 20240305.txt");
  const FileFigures alone = Alone();
  // The hero and the player in seat 10 change seats.
  for (std::string::size_type at = 0; (at = good.find("Seat 4: Hero", at)) != std::string::npos;)
    good.replace(at, 12, "Seat 1x: Hero");
  for (std::string::size_type at = 0; (at = good.find("Seat 10: Emu", at)) != std::string::npos;)
    good.replace(at, 12, "Seat 4: Emu");
  for (std::string::size_type at = 0; (at = good.find("Seat 1x: Hero", at)) != std::string::npos;)
    good.replace(at, 13, "Seat 10: Hero");
  Write("seat_ten.txt", good);
  Run();
  EXPECT_EQ(Of("seat_ten.txt"), alone);
}

TEST_F(HostileFiles, IPokerFolder) {
  app.m_settings.PokerRoom = kIPoker;
  const std::string good = Good("ipoker/basics/20240305 Sirius Holdem NL $0.05-$0.10.xml");
  const FileFigures alone = Alone();
  const size_t body = good.find("<game ");
  ASSERT_NE(body, std::string::npos);
  const std::string head = good.substr(0, body);
  std::string nested;
  for (int i = 0; i < 200000; ++i) nested += "<a>";
  Write("nested.xml", head + nested + "\n</session>\n");
  Write("text.xml", head + "<game>" + std::string(4 << 20, 'x') + "</game></session>\n");
  Write("attribute.xml",
        head + "<game gamecode=\"" + std::string(4 << 20, '1') + "\"/></session>\n");
  Write("entities.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE session [<!ENTITY a \"aaaa\">]>\n" +
                            good.substr(good.find("<session")));
  Run();
  EXPECT_EQ(Of("good.xml"), alone);
  EXPECT_EQ(Of("nested.xml").skipped, "XML nested too deep");
  EXPECT_EQ(Of("text.xml").skipped, "XML too large");
  EXPECT_EQ(Of("attribute.xml").skipped, "XML too large");
  EXPECT_EQ(Of("entities.xml").skipped, "XML document type");
}

TEST_F(HostileFiles, AHistoryFolderThatCannotBeOpenedIsSkippedWithItsReason) {
  app.m_settings.PokerRoom = kPokerStars;
  Run();  // the folder was never made
  EXPECT_THAT(log, HasSubstr("Skipped file: " + WideToUtf8(PathToText(hands)) +
                             " (folder cannot be opened)"));
  EXPECT_THAT(ui.lines,
              ::testing::Contains(HasSubstr(L"Skipped: 1 file (1 folder cannot be opened)")));
}

}  // namespace
}  // namespace lumora
