// lumora-cli run as a user runs it: options in, report lines, messages and
// exit status out.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <string_view>

#include "app/profile.h"
#include "tests/support/run_program.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::ReadFile;
using testing::RunProgram;
using testing::TempDir;
using testing::WithoutTime;

class Cli : public ::testing::Test {
 protected:
  testing::ProgramResult Run(std::vector<std::string> args) {
    args.insert(args.begin() + 1, {"--profile", (dir / "lumora.ini").string(), "--log",
                                   (dir / "Lumora.log").string()});
    return RunProgram(LUMORA_CLI, args, dir);
  }
  TempDir dir;
};

TEST_F(Cli, MakeOverAnEmptyFolderReportsTheTimeAndNoData) {
  std::filesystem::create_directories(dir / "hands");
  const auto result = Run({"make", "--history", (dir / "hands").string(), "--room", "PokerStars",
                           "--nick", "Hero", "--range", "all-dates"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(WithoutTime(result.out), "time = *\n");
  EXPECT_EQ(result.err, "No data available! No history file of PokerStars was found in " +
                            (dir / "hands").string() + "; see --history and --room.\n");
  EXPECT_THAT(ReadFile(dir / "Lumora.log"), HasSubstr("Lumora start"));
  EXPECT_FALSE(std::filesystem::exists(dir / "lumora.ini"));  // nothing saved without --save
}

TEST_F(Cli, AnOptionValueThatFitsNothingIsAnErrorNamingTheChoices) {
  const auto result = Run({"make", "--bb", "$1"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err, HasSubstr("big blind \"$1\" is none of"));
  EXPECT_THAT(result.err, HasSubstr("\"$1 = 100\""));
  EXPECT_EQ(Run({"make", "--from", "2024-01-01"}).exitCode, 2);
  EXPECT_EQ(Run({"make", "--range", "all-dates", "--from", "01.01.2024 00:00:00"}).exitCode, 2);
  EXPECT_EQ(Run({"frobnicate"}).exitCode, 2);
}

TEST_F(Cli, SaveWritesTheOptionsToAPrivateProfile) {
  const auto result = Run(testing::Words(
      "make --save --nick O'Brien --bb $2 --currency EUR --games 2,7 --players 3-5 --zoom on "
      "--nonzoom off",
      {"--history", (dir / "hands").string(), "--room", "888 Poker", "--table", "SH (6-Max)",
       "--from", "01.02.2024 00:00:00", "--to", "01.03.2024 00:00:00"}));
  EXPECT_EQ(result.exitCode, 1);  // no hands in the folder
  const std::string profile = ReadFile(dir / "lumora.ini");
  for (const char* line :
       {"NickName=O'Brien", "PokerRoom=2", "CashLimit=9", "NumPl=2", "Currency=1",
        "TimeFrom=01.02.2024 00:00:00", "TimeTo=01.03.2024 00:00:00", "minPl=3", "maxPl=5",
        "Zoom=1", "NonZoom=0"})
    EXPECT_THAT(profile, HasSubstr(line));
  EXPECT_THAT(profile, HasSubstr(" 0 0 1 0 0 0 0 1 0"));
  struct stat info {};
  ASSERT_EQ(stat((dir / "lumora.ini").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600);
}

TEST_F(Cli, ADateThatDoesNotExistIsRefused) {
  const auto result = Run({"make", "--from", "31.02.2024 25:61:61"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err, HasSubstr("\"31.02.2024 25:61:61\" is no date and time that exists"));
}

TEST_F(Cli, AProfileThatIsReadOnlyOrDamagedIsNeverReplaced) {
  const auto profile = dir.Write("lumora.ini", "[Base]\nNickName=Ann\n");
  std::filesystem::permissions(profile, std::filesystem::perms::owner_read);
  auto result = Run({"make", "--save", "--nick", "Bob", "--history", dir.path().string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("cannot be written"));
  EXPECT_EQ(ReadFile(profile), "[Base]\nNickName=Ann\n");
  EXPECT_EQ(std::filesystem::status(profile).permissions(), std::filesystem::perms::owner_read);

  // A line wx cannot read: the defaults are used, said once, without wx's own complaint.
  std::filesystem::permissions(profile, std::filesystem::perms::owner_all);
  dir.Write("lumora.ini", "[Base]\n=x\nNickName=Ann\n");
  result = Run({"make", "--save", "--nick", "Bob", "--history", dir.path().string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("is damaged: the default settings are used"));
  EXPECT_THAT(result.err, ::testing::Not(HasSubstr("assert")));
  EXPECT_EQ(ReadFile(profile), "[Base]\n=x\nNickName=Ann\n");
}

TEST_F(Cli, ALogThatCannotBeWrittenIsSaidOnce) {
  dir.Write("hands/not a log folder", "");
  const auto result = RunProgram(
      LUMORA_CLI,
      {"make", "--profile", (dir / "lumora.ini").string(), "--log",
       (dir / "hands/not a log folder/Lumora.log").string(), "--history", (dir / "hands").string()},
      dir);
  const std::string said = "The log ";
  ASSERT_THAT(result.err, HasSubstr(said + (dir / "hands/not a log folder/Lumora.log").string() +
                                    " cannot be written"));
  EXPECT_EQ(result.err.find(said), result.err.rfind(said));
}

TEST_F(Cli, CompareShowsTwoLimitsAnalysedEarlier) {
  {
    std::ofstream limits(dir / "lumora.limits");
    limits << "10 2 0 10 5 100\n25 2 0 25 4 50\n";
  }
  const auto result = Run({"compare", "--first-bb", "10", "--first-table", "SH (6-Max)",
                           "--second-bb", "25", "--second-table", "SH (6-Max)"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // Per 100 hands: mu 0.50 and 1.00, sigma 10.00 and 12.50.
  EXPECT_EQ(result.out,
            " \tBB10-SH\tBB25-SH\n"
            "Sharpe ratio\t0.05\t0.08\n"
            "Mix\t28.1\t71.9\n"
            "Cutoff: 57.0 USD\n");
}

TEST_F(Cli, CompareBeforeBothLimitsAreAnalysedShowsNothing) {
  const auto result = Run({"compare", "--first-bb", "10", "--second-bb", "25"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
}

/// The listing with each run of blanks made one and the dates (which follow
/// the clock) made "*".
std::string Columns(const std::string& listing) {
  constexpr std::string_view kDate = "00.00.0000 00:00:00";  // '0': any digit
  const auto dateAt = [&](size_t at) {
    if (at + kDate.size() > listing.size()) return false;
    for (size_t k = 0; k < kDate.size(); ++k)
      if (kDate[k] == '0' ? !std::isdigit(static_cast<unsigned char>(listing[at + k]))
                          : listing[at + k] != kDate[k])
        return false;
    return true;
  };
  std::string columns;
  for (size_t i = 0; i < listing.size(); ++i) {
    if (dateAt(i)) {
      columns += '*';
      i += kDate.size() - 1;
    } else if (listing[i] != ' ' || columns.empty() || columns.back() != ' ') {
      columns += listing[i];
    }
  }
  return columns;
}

TEST_F(Cli, SettingsListsEveryKeyWithItsDefaultAndTheOptionThatChangesIt) {
  const auto empty = RunProgram(LUMORA_CLI, {"settings"}, dir);
  ASSERT_EQ(empty.exitCode, 0) << empty.err;
  const auto profile = dir / "config/lumora/lumora.ini";
  EXPECT_EQ(Columns(empty.out),
            "Profile: " + profile.string() +
                " (not written yet)\n"
                "Log: " +
                (dir / "state/lumora/Lumora.log").string() +
                "\n\n"
                "Key Value Default Changed by\n"
                "HistoryPath c: yes make --history\n"
                "NickName (empty) yes make --nick\n"
                "Source history yes make --source\n"
                "PokerRoom PartyPoker yes make --room\n"
                "NumPl Heads-Up yes make --table\n"
                "CashLimit 2 yes make --bb\n"
                "Currency USD yes make --currency\n"
                "NumPl_0 Heads-Up yes compare --first-table\n"
                "NumPl_1 Heads-Up yes compare --second-table\n"
                "CashLimit_0 2 yes compare --first-bb\n"
                "CashLimit_1 2 yes compare --second-bb\n"
                "CurrencyCompare USD yes compare --currency\n"
                "Zoom off yes make --zoom\n"
                "NonZoom on yes make --nonzoom\n"
                "ServerIP 127.0.0.1 yes make --server\n"
                "Port 5432 yes make --port\n"
                "DBName Name yes make --db-name\n"
                "DBUser postgres yes make --db-user\n"
                "DBPass (hidden) yes make --db-password\n"
                "DBSource HoldemManager1 yes make --db-kind\n"
                "DBPokerRoom 0 yes make --site\n"
                "NickDB Name yes make --db-nick\n"
                "minPl 2 yes make --players\n"
                "maxPl 2 yes make --players narrowed from 10 by the table size\n"
                "GameSelection All yes make --games\n"
                "TimeFrom * yes make --from\n"
                "TimeTo * yes make --to\n");
  EXPECT_FALSE(std::filesystem::exists(profile));  // a listing writes nothing

  Profile(profile).WriteInt(L"CashLimit", 4);
  EXPECT_THAT(Columns(RunProgram(LUMORA_CLI, {"settings"}, dir).out),
              HasSubstr("\nCashLimit 10 no make --bb\n"));
}

}  // namespace
}  // namespace lumora
