#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(CliOptions, RoomsByLabelOrCode) {
  EXPECT_EQ(ParseRoomOption(L"PokerStars").value, 1);
  EXPECT_EQ(ParseRoomOption(L"888 Poker").value, 2);
  EXPECT_EQ(ParseRoomOption(L"4").value, 4);
  EXPECT_FALSE(ParseRoomOption(L"5").value);
  EXPECT_FALSE(ParseRoomOption(L"pokerstars").value);  // labels are exact
  EXPECT_NE(ParseRoomOption(L"Stars").error.find(L"\"TigerGaming\""), std::wstring::npos);
}

TEST(CliOptions, TableSizeLabelsComeBeforeCodes) {
  EXPECT_EQ(ParseTableOption(L"3").value, 1);  // the label of three-handed tables
  EXPECT_EQ(ParseTableOption(L"SH (6-Max)").value, 2);
  EXPECT_EQ(ParseTableOption(L"FR (7-10)").value, 3);
  EXPECT_EQ(ParseTableOption(L"4").value, 4);
  EXPECT_EQ(ParseTableOption(L"All").value, 4);
  EXPECT_FALSE(ParseTableOption(L"6").value);
}

TEST(CliOptions, BigBlindsAreTheListsLabels) {
  EXPECT_EQ(ParseBigBlindOption(L"10").value, 10);
  EXPECT_EQ(ParseBigBlindOption(L"$1 = 100").value, 100);
  EXPECT_EQ(ParseBigBlindOption(L"$400").value, 40000);
  EXPECT_EQ(ParseBigBlindOption(L"All").value, 0);
  EXPECT_FALSE(ParseBigBlindOption(L"$1").value);
  EXPECT_FALSE(ParseBigBlindOption(L"3").value);
}

TEST(CliOptions, GamesByIndexOrLabel) {
  const auto games = ParseGamesOption(L"2, Pot Limit Omaha,12");
  ASSERT_TRUE(games.value);
  GameFlags expected{};
  expected[2] = expected[7] = expected[12] = 1;
  EXPECT_EQ(*games.value, expected);
  EXPECT_FALSE(ParseGamesOption(L"36").value);
  EXPECT_FALSE(ParseGamesOption(L"2,,3").value);
  EXPECT_FALSE(ParseGamesOption(L"").value);
}

TEST(CliOptions, PlayersSeatedBothWithinTwoToTen) {
  const auto seats = ParsePlayersOption(L"3-6");
  ASSERT_TRUE(seats.value);
  EXPECT_EQ(seats.value->minPl, 3);
  EXPECT_EQ(seats.value->maxPl, 6);
  EXPECT_TRUE(ParsePlayersOption(L"9-4").value);  // no rule relates the two bounds
  for (const wchar_t* text : {L"1-6", L"2-11", L"6", L"a-b", L"-3", L"2-"})
    EXPECT_FALSE(ParsePlayersOption(text).value) << text;
}

TEST(CliOptions, SwitchesSourcesCurrenciesAndPresets) {
  EXPECT_EQ(ParseSwitchOption(L"on").value, 1);
  EXPECT_EQ(ParseSwitchOption(L"off").value, 0);
  EXPECT_FALSE(ParseSwitchOption(L"yes").value);
  EXPECT_EQ(ParseSourceOption(L"database").value, 1);
  EXPECT_EQ(ParseCurrencyOption(L"GBP").value, 2);
  EXPECT_FALSE(ParseCurrencyOption(L"EURO").value);
  EXPECT_EQ(ParseRangePresetOption(L"all-dates").value, 0);
  EXPECT_EQ(ParseRangePresetOption(L"yesterday").value, 8);
  EXPECT_FALSE(ParseRangePresetOption(L"custom").value);
}

}  // namespace
}  // namespace lumora
