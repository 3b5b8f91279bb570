#include "app/settings_store.h"

#include <gtest/gtest.h>

#include <tuple>

#include "app/profile.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using testing::TempDir;

// Every field the profile keeps.
auto Persisted(const RunSettings& s) {
  return std::tuple(s.HistoryPath, s.NickName, s.NickDB, s.PokerRoom, s.DBPokerRoomIndex,
                    s.CashLimit, s.NumPl, s.minPl, s.maxPl, s.Currency, s.CurrencyCompare,
                    s.CashLimit_0, s.CashLimit_1, s.NumPl_0, s.NumPl_1, s.Source, s.DBSource,
                    s.Zoom, s.NonZoom, s.ServerIP, s.Port, s.DBName, s.DBUser, s.DBPass);
}

TEST(SettingsStore, AnEmptyProfileGivesTheStartingSettingsAndWritesNothing) {
  TempDir dir;
  const RunSettings s = LoadRunSettings(Profile(dir / "lumora.ini"));
  // Heads-up seats two: 2..10 narrowed in memory, nothing written.
  RunSettings expected;
  expected.maxPl = 2;
  EXPECT_EQ(Persisted(s), Persisted(expected));
  EXPECT_FALSE(std::filesystem::exists(dir / "lumora.ini"));
}

TEST(SettingsStore, EverySettingSurvivesSaveAndLoad) {
  TempDir dir;
  const RunSettings s{.HistoryPath = L"/home/hero/hands $HOME\\x",
                      .NickName = L" Hero ",
                      .ConnectionString = {},  // built, never kept
                      .NickDB = L"Held\u00fc",
                      .PokerRoom = kPokerStars,
                      .DBPokerRoomIndex = 3,
                      .DBPokerRoomSiteId = 0,  // from the tracker's site list
                      .CashLimit = 0,          // "All"
                      .NumPl = 3,
                      .minPl = 4,
                      .maxPl = 9,
                      .Currency = kEur,
                      .CurrencyCompare = kGbp,
                      .CashLimit_0 = 100,  // "$1 = 100"
                      .CashLimit_1 = 40000,
                      .NumPl_0 = 2,
                      .NumPl_1 = 4,
                      .Source = kDatabaseSource,
                      .DBSource = 2,
                      .Zoom = 1,
                      .NonZoom = 0,
                      .ServerIP = L"10.0.0.7",
                      .Port = L"5433",
                      .DBName = L"tracker",
                      .DBUser = L"hero",
                      .DBPass = L"p$ss\\word "};
  {
    Profile profile(dir / "lumora.ini");
    ASSERT_TRUE(SaveRunSettings(profile, s));
  }
  Profile profile(dir / "lumora.ini");
  EXPECT_EQ(Persisted(LoadRunSettings(profile)), Persisted(s));
  // Big blinds are kept as the index of their list entry.
  EXPECT_EQ(std::tuple(profile.ReadInt(L"CashLimit", -1), profile.ReadInt(L"CashLimit_0", -1),
                       profile.ReadInt(L"CashLimit_1", -1)),
            std::tuple(19, 8, 18));
}

TEST(SettingsStore, BigBlindsOutsideTheListFallBackSafely) {
  TempDir dir;
  Profile profile(dir / "lumora.ini");
  profile.WriteInt(L"CashLimit", 9);  // "$2"
  RunSettings s;
  s.CashLimit = 300;  // no entry shows $3: the stored choice stays
  ASSERT_TRUE(SaveRunSettings(profile, s));
  EXPECT_EQ(LoadRunSettings(profile).CashLimit, 200);
  profile.WriteInt(L"CashLimit", 55);  // no such entry: the first, 2 cents
  EXPECT_EQ(LoadRunSettings(profile).CashLimit, 2);
}

}  // namespace
}  // namespace lumora
