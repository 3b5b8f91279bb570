// lumora-cli make over a tracker database on the real test server.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/db/db_test_support.h"
#include "tests/support/run_program.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;
using testing::RunProgram;
using testing::TempDir;
using testing::WithoutTime;

testing::ProgramResult Make(const TempDir& dir, const std::string& site,
                            const std::string& nick = "Hero") {
  const testing::TestServer server = testing::ReadTestServer();
  return RunProgram(
      LUMORA_CLI,
      testing::Words("make --source database --db-kind HoldemManager2 --db-name lumora_hm2 "
                     "--bb 10 --currency USD --players 2-10 --games All",
                     {"--db-nick", nick,
                      "--table",   "SH (6-Max)",
                      "--from",    "05.03.2024 00:00:00",
                      "--to",      "06.03.2024 00:00:00",
                      "--site",    site,
                      "--server",  server.host,
                      "--port",    server.port,
                      "--db-user", server.user,
                      "--profile", (dir / "lumora.ini").string(),
                      "--log",     (dir / "Lumora.log").string()}),
      dir, {"LUMORA_DB_PASSWORD=" + server.password, "TZ=UTC"});
}

TEST(DatabaseCli, MakeReadsTheTrackersHandsAndReports) {
  TempDir dir;
  const auto result = Make(dir, "PokerStars");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string out = WithoutTime(result.out);
  EXPECT_THAT(out, ::testing::StartsWith("time = *\nSummary: nHands = 20 Win = 2.77\n"
                                         "Summary all-in (money): nHands = 9 "));
  EXPECT_THAT(out, HasSubstr("\nSummary: BB 10 nHands = 20 Win = 2.77 WinRate = 138.50 "));
  EXPECT_THAT(out, HasSubstr("\nRoR = 0.01 Bankroll (ROR) =  "));
  EXPECT_EQ(result.err, "");
}

TEST(DatabaseCli, ANickInNoStoredHandSaysSo) {
  TempDir dir;
  const auto result = Make(dir, "PokerStars", "Hreo");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "No data available! The nick \"Hreo\" was found in no hand; see --db-nick.\n");
}

TEST(DatabaseCli, ASiteTheTrackerDoesNotKnowIsAnErrorListingItsSites) {
  TempDir dir;
  const auto result = Make(dir, "Nowhere Poker");
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_THAT(result.err, HasSubstr("site \"Nowhere Poker\" is none of the tracker's sites: "
                                    "\"PartyPoker\" (0), \"PokerStars\" (1)"));
}

}  // namespace
}  // namespace lumora
