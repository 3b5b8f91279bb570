#include "app/profile.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

constexpr fs::perms kOwnerFile = fs::perms::owner_read | fs::perms::owner_write;

fs::perms ModeOf(const fs::path& path) {
  return fs::status(path).permissions() & fs::perms::all;
}

TEST(Profile, WritesReachTheFileAtOnceAndReadsCreateNothing) {
  TempDir dir;
  Profile writer(dir / "lumora.ini");
  EXPECT_EQ(writer.ReadInt(L"NumPl", 3), 3);
  EXPECT_FALSE(fs::exists(dir / "lumora.ini"));
  ASSERT_TRUE(writer.WriteInt(L"NumPl", -3));
  Profile reader(dir / "lumora.ini");  // while the writer is still open
  EXPECT_EQ(reader.ReadInt(L"NumPl", 0), -3);
}

TEST(Profile, TextsComeBackExactlyAsWritten) {
  TempDir dir;
  const std::wstring values[] = {L"c:\\hands\\2024",
                                 L"pa$$ $HOME ${USER} %PATH%",
                                 L" 1 0 0 ",
                                 L"trailing  ",
                                 L"\"quoted\" a;b#c=d",
                                 L"two\nx=1",
                                 L"\\",
                                 L"",
                                 L"Held\u00fc \u20ac"};
  for (size_t i = 0; i < std::size(values); ++i)
    ASSERT_TRUE(Profile(dir / "lumora.ini").WriteString(L"Key" + std::to_wstring(i), values[i]));
  Profile profile(dir / "lumora.ini");
  for (size_t i = 0; i < std::size(values); ++i)
    EXPECT_EQ(profile.ReadString(L"Key" + std::to_wstring(i), L"missing"), values[i]) << i;
  EXPECT_EQ(profile.ReadString(L"x", L"missing"), L"missing");  // no key from a line feed
}

TEST(Profile, AnIntegerKeyHoldingNoWholeNumberGivesTheDefault) {
  TempDir dir;
  Profile profile(dir / "lumora.ini");
  for (const wchar_t* text : {L"12abc", L"99999999999", L""}) {
    profile.WriteString(L"NumPl", text);
    EXPECT_EQ(profile.ReadInt(L"NumPl", 7), 7) << text;
  }
  profile.WriteString(L"NumPl", L" 42 ");
  EXPECT_EQ(profile.ReadInt(L"NumPl", 7), 42);
}

TEST(Profile, FileAndItsNewFoldersArePrivateToTheOwner) {
  TempDir dir;
  const fs::path path = dir / "config" / "lumora" / "lumora.ini";
  ASSERT_TRUE(Profile(path).WriteString(L"DBPass", L"secret"));
  EXPECT_EQ(ModeOf(path), kOwnerFile);
  EXPECT_EQ(ModeOf(path.parent_path()), fs::perms::owner_all);
  EXPECT_EQ(ModeOf(dir / "config"), fs::perms::owner_all);
  // A file someone made readable to all is narrowed at the next write.
  fs::permissions(path, fs::perms::group_read | fs::perms::others_read, fs::perm_options::add);
  ASSERT_TRUE(Profile(path).WriteString(L"NickName", L"hero"));
  EXPECT_EQ(ModeOf(path), kOwnerFile);
  EXPECT_EQ(Profile(path).ReadString(L"DBPass", L""), L"secret");
}

TEST(Profile, AWriteThatCannotReachTheFileFails) {
  TempDir dir;
  dir.Write("plain file", "x");
  Profile profile(dir / "plain file" / "lumora.ini");
  EXPECT_FALSE(profile.WriteInt(L"NumPl", 1));
}

}  // namespace
}  // namespace lumora
