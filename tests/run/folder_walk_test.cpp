#include "run/folder_walk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "app/log_file.h"
#include "app/run_settings.h"
#include "run/stars_file_name.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TempDir;

constexpr int64_t kFrom = 1700000000;
constexpr int64_t kTo = 1700600000;

class FolderWalk : public ::testing::Test {
 protected:
  /// Creates `name` (with sub-folders) last written at `when`.
  fs::path File(const fs::path& name, int64_t when = kFrom + 1000) {
    const fs::path path = m_dir.Write(name, "x");
    fs::last_write_time(path, std::chrono::file_clock::from_sys(
                                  std::chrono::sys_seconds{std::chrono::seconds{when}}));
    return path;
  }

  /// The names (relative to the folder) that the walk lists.
  std::vector<std::string> Walk(WalkFilter filter) {
    std::vector<fs::path> list;
    WalkHistoryFolder(m_dir.path(), filter, m_log, list);
    std::vector<std::string> names;
    for (const auto& path : list) names.push_back(fs::relative(path, m_dir.path()).string());
    return names;
  }

  WalkFilter Filter(int32_t room) { return {kFrom, kTo, room, true, 0, kUsd}; }

  TempDir m_dir;
  LogFile m_log;
};

TEST_F(FolderWalk, TakesFilesWrittenWithinADayOfTheRange) {
  File("early-in.txt", kFrom - 86400);
  File("early-out.txt", kFrom - 86401);
  File("late-in.txt", kTo + 86400);
  File("late-out.txt", kTo + 86401);
  EXPECT_THAT(Walk(Filter(kTigerGaming)), ElementsAre("early-in.txt", "late-in.txt"));
}

TEST_F(FolderWalk, AnEarlyRangeStartGetsNoMargin) {
  File("at-start.txt", 90000);
  File("before.txt", 89999);
  WalkFilter filter = Filter(kTigerGaming);
  filter.timeFrom = 90000;
  EXPECT_THAT(Walk(filter), ElementsAre("at-start.txt"));
}

TEST_F(FolderWalk, TakesOnlyTheRoomsExtensionWrittenExactly) {
  File("a.txt");
  File(".txt");
  File("upper.TXT");
  File("session.xml");
  EXPECT_THAT(Walk(Filter(kTigerGaming)), ElementsAre("a.txt"));
  EXPECT_THAT(Walk(Filter(kIPoker)), ElementsAre("session.xml"));
}

TEST_F(FolderWalk, GoesDepthFirstWithEachFolderInNameOrder) {
  File("b.txt");
  File("a/z.txt");
  File("a/inner/y.txt");
  File("c.txt");
  EXPECT_THAT(Walk(Filter(kTigerGaming)),
              ElementsAre("a/inner/y.txt", "a/z.txt", "b.txt", "c.txt"));
}

TEST_F(FolderWalk, WalksAFolderReachedTwiceThroughLinksOnce) {
  File("real/a.txt");
  fs::create_directory_symlink(m_dir / "real", m_dir / "link");
  fs::create_directory_symlink(m_dir.path(), m_dir / "real" / "loop");
  EXPECT_THAT(Walk(Filter(kTigerGaming)), ElementsAre("real/a.txt"));
}

TEST_F(FolderWalk, AFolderThatCannotBeOpenedContributesNothing) {
  std::vector<fs::path> list;
  WalkHistoryFolder(m_dir / "missing", Filter(kTigerGaming), m_log, list);
  EXPECT_THAT(list, IsEmpty());
}

TEST_F(FolderWalk, SkipsFilesWrittenBefore1970) {
  File("old.txt", -86400 * 400);
  WalkFilter filter = Filter(kTigerGaming);
  filter.timeFrom = 0;
  EXPECT_THAT(Walk(filter), IsEmpty());
}

TEST_F(FolderWalk, PartyPokerSkipsTheTableSummaries) {
  File("PartyPoker Table 12.txt");
  File("hands 2024.txt");
  EXPECT_THAT(Walk(Filter(kPartyPoker)), ElementsAre("hands 2024.txt"));
}

TEST_F(FolderWalk, EightEightEightTakesOnlyNamesThatBeginWithTheRoom) {
  File("888poker Table.txt");
  File("LotosPoker 1.txt");
  File("my 888poker.txt");
  EXPECT_THAT(Walk(Filter(k888Poker)), ElementsAre("888poker Table.txt", "LotosPoker 1.txt"));
}

TEST_F(FolderWalk, PokerStarsNamesFilterByStakesAndCurrency) {
  File("HH20200505 Halley - $0.05-$0.10 - USD No Limit Hold'em.txt");
  File("HH20200505 Halley - $0.10-$0.25 - USD No Limit Hold'em.txt");
  File(
      "HH20200505 Vega - \xE2\x82\xAC"
      "0.05-\xE2\x82\xAC"
      "0.10 - EURO No Limit Hold'em.txt");
  File("my own name.txt");
  WalkFilter filter = Filter(kPokerStars);
  filter.cashLimit = 10;
  EXPECT_THAT(
      Walk(filter),
      ElementsAre("HH20200505 Halley - $0.05-$0.10 - USD No Limit Hold'em.txt", "my own name.txt"));
  filter.cashLimit = 0;
  filter.currency = kEur;
  EXPECT_THAT(Walk(filter), ElementsAre("HH20200505 Vega - \xE2\x82\xAC"
                                        "0.05-\xE2\x82\xAC"
                                        "0.10 - EURO No Limit Hold'em.txt",
                                        "my own name.txt"));
}

TEST(ParseStarsFileName, ReadsStakesAndCurrencyFromBothNameForms) {
  int64_t bigBlind = -1;
  int32_t currency = -1;
  ASSERT_TRUE(ParseStarsFileName(L"HH20200505 Halley - $0.01-$0.02 - USD No Limit Hold'em.txt",
                                 bigBlind, currency));
  EXPECT_EQ(bigBlind, 2);
  EXPECT_EQ(currency, kUsd);
  ASSERT_TRUE(ParseStarsFileName(
      L"HH20200505 Ara II - \u00A31-\u00A32 Ante \u00A30.25 - GBP Pot Limit Omaha.txt", bigBlind,
      currency));
  EXPECT_EQ(bigBlind, 200);
  EXPECT_EQ(currency, kGbp);
  ASSERT_TRUE(
      ParseStarsFileName(L"HH1 T - \u20AC0.25-\u20AC0.50 - EURO Hold'em.txt", bigBlind, currency));
  EXPECT_EQ(bigBlind, 50);
  EXPECT_EQ(currency, kEur);
  EXPECT_FALSE(ParseStarsFileName(L"Halley - $0.01-$0.02 - USD.txt", bigBlind, currency));
  EXPECT_FALSE(ParseStarsFileName(L"HH1 T - $0.01-$0.02 - CAD Hold'em.txt", bigBlind, currency));
}

}  // namespace
}  // namespace lumora
