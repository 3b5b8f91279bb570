#include "ui/settings_editor.h"

#include <gtest/gtest.h>

#include "app/lumora_app.h"
#include "app/profile.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using testing::TempDir;

class Editor : public ::testing::Test {
 protected:
  TempDir dir;
  CLumoraApp app{dir / "Lumora.log"};
  Profile profile{dir / "lumora.ini"};
  SettingsEditor editor{profile, app};
};

TEST_F(Editor, ANewTrackerTakesTheSavedRoomEntryOfItsOwnList) {
  profile.WriteInt(keys::kDBPokerRoom.name, 3);
  EXPECT_EQ(editor.SetDataSource(kPokerTracker4), 3);
  EXPECT_EQ(Profile(dir / "lumora.ini").ReadInt(keys::kDBSource.name, -1), kPokerTracker4);
  EXPECT_EQ(app.m_settings.DBPokerRoomIndex, 3);
  EXPECT_EQ(app.m_settings.DBPokerRoomSiteId, std::next(editor.sites().begin(), 3)->first);

  editor.SetDatabaseRoom(1);
  EXPECT_EQ(app.m_settings.DBPokerRoomSiteId, std::next(editor.sites().begin(), 1)->first);
  profile.WriteInt(keys::kDBPokerRoom.name, 99);  // longer than any list
  EXPECT_EQ(editor.SetDataSource(kHoldemManager2), 0);
  EXPECT_EQ(app.m_settings.DBPokerRoomSiteId, editor.sites().begin()->first);
}

TEST_F(Editor, ATableSizeNarrowsTheSeatsAndABigBlindKeepsItsIndex) {
  editor.SetTableSize(2);                                            // six-max
  editor.SetBigBlind(keys::kCashLimit, &RunSettings::CashLimit, 8);  // "$1 = 100"
  EXPECT_EQ(app.m_settings.maxPl, 6);
  EXPECT_EQ(app.m_settings.CashLimit, 100);
  const Profile saved(dir / "lumora.ini");
  EXPECT_EQ(saved.ReadInt(keys::kMaxPl.name, -1), 6);
  EXPECT_EQ(saved.ReadInt(keys::kCashLimit.name, -1), 8);
}

}  // namespace
}  // namespace lumora
