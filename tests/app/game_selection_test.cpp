#include "app/game_selection.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "app/profile.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using testing::TempDir;

constexpr int kSevenCardStud = 20;
constexpr int kPotLimitOmaha = 7;
constexpr int kLimitOmaha = 8;

GameFlags Only(std::initializer_list<int> ticked) {
  GameFlags flags{};
  for (int i : ticked) flags[i] = 1;
  return flags;
}

// The dialog's boxes after the user toggles box `i`.
GameFlags Click(GameFlags flags, int i) {
  flags[i] = flags[i] ? 0 : 1;
  return ApplyGameSelectionClick(flags, i);
}

TEST(GameSelectionText, IsABlankThenEachFlagWithItsBlank) {
  const std::wstring text = FormatGameSelection(Only({kAllGames, kDrawGames, 35}));
  ASSERT_EQ(text.size(), 73u);
  EXPECT_EQ(text.substr(0, 7), L" 1 0 0 ");
  EXPECT_EQ(text.substr(2 * kDrawGames, 3), L" 1 ");
  EXPECT_EQ(ParseGameSelection(text), Only({kAllGames, kDrawGames, 35}));
}

TEST(GameSelectionText, ReadsByTheLoadingRules) {
  EXPECT_EQ(ParseGameSelection(L""), AllGamesSelected());
  EXPECT_EQ(ParseGameSelection(L" 1"), GameFlags{});  // too short: nothing at all
  EXPECT_EQ(ParseGameSelection(L" 0 1 1 "), Only({1, 2}));
  EXPECT_EQ(ParseGameSelection(L"1 0 1 "), Only({0}));  // no leading blank: the last flag is lost
  EXPECT_EQ(ParseGameSelection(FormatGameSelection(Only({35})) + L"1 1 "), Only({35}));
}

TEST(GameSelectionText, SurvivesTheProfileWithItsLeadingBlank) {
  TempDir dir;
  Profile profile(dir / "lumora.ini");
  EXPECT_EQ(LoadGameSelection(profile), AllGamesSelected());
  ASSERT_TRUE(SaveGameSelection(profile, Only({kPotLimitOmaha, kStudGames})));
  EXPECT_EQ(LoadGameSelection(Profile(dir / "lumora.ini")), Only({kPotLimitOmaha, kStudGames}));
}

TEST(GameSelectionClicks, FollowTheDialogRules) {
  // "All" ticked clears the rest; unticked it changes nothing else.
  EXPECT_EQ(Click(Only({kHoldemGames, 22}), kAllGames), AllGamesSelected());
  EXPECT_EQ(Click(Only({kAllGames, kHoldemGames}), kAllGames), Only({kHoldemGames}));
  // A group box clears "All" and, when ticked, its own group only.
  EXPECT_EQ(Click(Only({kAllGames, kSevenCardStud, kDrawGames}), kStudGames),
            Only({kStudGames, kDrawGames}));
  EXPECT_EQ(Click(Only({kStudGames, kSevenCardStud}), kStudGames), Only({kSevenCardStud}));
  // An accepted kind clears "All" and, when ticked, its group box.
  EXPECT_EQ(Click(Only({kAllGames, kOmahaGames, kHoldemGames}), kPotLimitOmaha),
            Only({kPotLimitOmaha, kHoldemGames}));
  for (int kind : {2, 7, 10, 13, 14, 16})
    EXPECT_EQ(Click(Only({kAllGames, kGameKinds[kind].group}), kind), Only({kind})) << kind;
  EXPECT_EQ(Click(Only({kOmahaGames, kPotLimitOmaha}), kPotLimitOmaha), Only({kOmahaGames}));
  // Any other kind changes only itself.
  EXPECT_EQ(Click(Only({kAllGames, kOmahaGames}), kLimitOmaha),
            Only({kAllGames, kOmahaGames, kLimitOmaha}));
  EXPECT_EQ(ApplyGameSelectionClick(Only({kAllGames}), 36), Only({kAllGames}));
}

TEST(SeatBounds, NarrowTheStoredBoundsToTheTableSizeAndNeverWiden) {
  TempDir dir;
  Profile profile(dir / "lumora.ini");
  RunSettings s;
  s.NumPl = 0;  // "Heads-Up"
  AdjustSeatBounds(profile, s);
  EXPECT_EQ(std::pair(s.minPl, s.maxPl), std::pair(2, 2));
  EXPECT_EQ(profile.ReadInt(L"maxPl", 0), 2);
  s.NumPl = 3;  // "FR (7-10)"
  AdjustSeatBounds(profile, s);
  EXPECT_EQ(std::pair(s.minPl, s.maxPl), std::pair(2, 2));
  // The bounds start from the profile, not from memory.
  profile.WriteInt(L"minPl", 1);
  profile.WriteInt(L"maxPl", 5);
  s.NumPl = 2;  // "SH (6-Max)"
  AdjustSeatBounds(profile, s);
  EXPECT_EQ(std::pair(s.minPl, s.maxPl), std::pair(2, 5));
  EXPECT_EQ(profile.ReadInt(L"minPl", 0), 2);
  profile.WriteInt(L"minPl", 1);
  s.NumPl = 7;  // no such table size: the bounds as stored
  AdjustSeatBounds(profile, s);
  EXPECT_EQ(std::pair(s.minPl, s.maxPl), std::pair(1, 5));
}

TEST(PlayersSeated, TakesTwoToTenInAnyOrderAndNothingElse) {
  TempDir dir;
  Profile profile(dir / "lumora.ini");
  RunSettings s;
  EXPECT_FALSE(SetPlayersSeated(profile, s, 3, 11));
  EXPECT_FALSE(SetPlayersSeated(profile, s, 1, 6));
  EXPECT_FALSE(SetPlayersSeated(profile, s, 4, int64_t{1} << 32));  // no wrap to a small number
  EXPECT_EQ(std::pair(s.minPl, s.maxPl), std::pair(2, 10));
  EXPECT_FALSE(std::filesystem::exists(dir / "lumora.ini"));
  ASSERT_TRUE(SetPlayersSeated(profile, s, 9, 3));
  EXPECT_EQ(std::pair(s.minPl, s.maxPl), std::pair(9, 3));
  EXPECT_EQ(std::pair(profile.ReadInt(L"minPl", 0), profile.ReadInt(L"maxPl", 0)), std::pair(9, 3));
}

}  // namespace
}  // namespace lumora
