#include <gtest/gtest.h>

#include <cmath>

#include "app/game_kinds.h"
#include "app/limit_results.h"
#include "app/output_list.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

TEST(LimitResults, ARepeatedLimitKeepsOneEntryWithTheLaterFiguresAndItsFirstBigBlind) {
  LimitResultMap map;
  UpdateLimitResult(map, {10, 2, 0}, 10, 5.0, 80.0);
  UpdateLimitResult(map, {25, 2, 0}, 25, 3.0, 90.0);
  UpdateLimitResult(map, {10, 2, 0}, 20, 7.5, 85.0);
  ASSERT_EQ(map.size(), 2u);
  const LimitResult& r = map.at({10, 2, 0});
  EXPECT_EQ(r.bigBlind, 10);
  EXPECT_DOUBLE_EQ(r.winRate, 7.5);
  EXPECT_DOUBLE_EQ(r.sd, 85.0);
}

TEST(LimitResults, SurviveAFileRoundTripInFullPrecision) {
  testing::TempDir dir;
  LimitResultMap map;
  UpdateLimitResult(map, {10, 2, 0}, 10, 1.0 / 3.0, 141.4213562373095);
  UpdateLimitResult(map, {200, 4, 1}, 200, -0.1, 1e-9);
  ASSERT_TRUE(SaveLimitResults(dir / "p.limits", map));
  const LimitResultMap loaded = LoadLimitResults(dir / "p.limits");
  ASSERT_EQ(loaded.size(), 2u);
  for (const auto& [key, r] : map) {
    const LimitResult& l = loaded.at(key);
    EXPECT_EQ(l.bigBlind, r.bigBlind);
    EXPECT_EQ(l.winRate, r.winRate);
    EXPECT_EQ(l.sd, r.sd);
  }
}

TEST(LimitResults, AMissingOrDamagedFileGivesWhatCanBeRead) {
  testing::TempDir dir;
  EXPECT_TRUE(LoadLimitResults(dir / "none.limits").empty());
  const auto path = dir.Write("p.limits", "# comment\n10 2 0 10 5.5 80\ngarbage line\n25 2\n");
  const LimitResultMap loaded = LoadLimitResults(path);
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_DOUBLE_EQ(loaded.at({10, 2, 0}).winRate, 5.5);
}

TEST(OutputList, KeepsTheNewestThousandLinesAndTheOneBeingAdded) {
  OutputList list;
  for (int i = 0; i < 1005; ++i) list.Add(std::to_wstring(i));
  ASSERT_EQ(list.lines().size(), kOutputListLimit + 1);
  EXPECT_EQ(list.lines().front(), L"4");
  EXPECT_EQ(list.lines().back(), L"1004");
}

TEST(GameKinds, AHandCountsByAllItsGroupOrItsOwnFlag) {
  GameFlags flags{};
  EXPECT_FALSE(IsGameSelected(flags, 7));
  flags[kOmahaGames] = 1;
  EXPECT_TRUE(IsGameSelected(flags, 7));    // Pot Limit Omaha
  EXPECT_TRUE(IsGameSelected(flags, 10));   // Pot Limit Omaha Hi / Lo
  EXPECT_FALSE(IsGameSelected(flags, 2));   // No Limit Hold'em
  EXPECT_FALSE(IsGameSelected(flags, 13));  // 5 Card Omaha has its own group
  flags = {};
  flags[2] = 1;
  EXPECT_TRUE(IsGameSelected(flags, 2));
  EXPECT_FALSE(IsGameSelected(flags, 3));
  EXPECT_TRUE(IsGameSelected(AllGamesSelected(), 31));
  EXPECT_FALSE(IsGameSelected(AllGamesSelected(), -1));
  EXPECT_FALSE(IsGameSelected(AllGamesSelected(), 36));
}

}  // namespace
}  // namespace lumora
