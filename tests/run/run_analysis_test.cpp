#include "run/run_analysis.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "app/lumora_app.h"
#include "app/run_report.h"
#include "app/run_summary.h"
#include "base/text.h"
#include "run/source_merge.h"
#include "run/statistics_step.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::ReadFile;
using ::testing::StartsWith;
using testing::TempDir;

TEST(RunSummary, AddsAllInHandsInMoneyAndInEachHandsBigBlinds) {
  RunSummary summary;
  summary.m_nHands = 7;  // per-run figures are not the all-in evaluation's business
  AddAllInHand(summary, {{}, 10.0, 4.0, 6.0, 0.5, true});
  AddAllInHand(summary, {{}, -2.0, 0.0, 0.0, 0.25, false});  // counted, no EV
  EXPECT_EQ(summary.m_nAllInHands, 2);
  EXPECT_DOUBLE_EQ(summary.m_dAllInWin, 8.0);
  EXPECT_DOUBLE_EQ(summary.m_dAllInEV, 4.0);
  EXPECT_DOUBLE_EQ(summary.m_dAllInDiff, 6.0);
  EXPECT_DOUBLE_EQ(summary.m_dAllInWinBB, 20.0 - 8.0);
  EXPECT_DOUBLE_EQ(summary.m_dAllInEVBB, 8.0);
  EXPECT_DOUBLE_EQ(summary.m_dAllInDiffBB, 12.0);
  // A hand of unknown big blind (a database run over every limit) counts in money only.
  AddAllInHand(summary, {{}, 1.0, 1.0, 0.0, 0.0, true});
  EXPECT_EQ(summary.m_nAllInHands, 3);
  EXPECT_DOUBLE_EQ(summary.m_dAllInWin, 9.0);
  EXPECT_DOUBLE_EQ(summary.m_dAllInWinBB, 12.0);

  summary.ResetAllIn();
  EXPECT_EQ(summary.m_nAllInHands, 0);
  EXPECT_EQ(summary.m_dAllInWinBB, 0.0);
  EXPECT_EQ(summary.m_nHands, 7);
}

/// Records each output line with whether the log already held it, which
/// tells the order a line went to its two destinations.
class OrderingUi : public testing::RecordingUi {
 public:
  explicit OrderingUi(const std::filesystem::path& log) : m_log(log) {}
  void AddOutputLine(const std::wstring& line) override {
    RecordingUi::AddOutputLine(line);
    loggedBefore.push_back(ReadFile(m_log).find(WideToUtf8(line)) != std::string::npos);
  }
  std::vector<bool> loggedBefore;

 private:
  std::filesystem::path m_log;
};

class Run : public ::testing::Test {
 protected:
  Run() : app(dir / "Lumora.log"), ui(dir / "Lumora.log") {
    app.m_settings.HistoryPath = PathToText(dir / "hands");
    app.m_settings.CashLimit = 10;
    app.m_dateRange = {0, 4102444800};
  }
  std::string Log() const { return ReadFile(dir / "Lumora.log"); }
  /// Bob's PartyPoker run at $0.10/$0.25, every table size.
  void PartyPokerForBob() {
    app.m_settings.PokerRoom = kPartyPoker;
    app.m_settings.NickName = L"Bob";
    app.m_settings.CashLimit = 25;
    app.m_settings.NumPl = kAllTableSizes;
  }

  static HandResultStore Hands(std::initializer_list<double> cents) {
    HandResultStore hands;
    for (double c : cents) hands.push_back({L"", 0, 10, c, std::nullopt});
    return hands;
  }

  TempDir dir;
  CLumoraApp app;
  OrderingUi ui;
  RunReport report{app.m_log, ui};
};

TEST_F(Run, RefusesToStartWithoutAGameSelected) {
  app.m_nBC = {};
  app.m_summary.m_nAllInHands = 3;
  EXPECT_FALSE(RunAnalysis(app, ui));
  EXPECT_THAT(ui.messages, ElementsAre(L"You have to make GameSelection!"));
  EXPECT_THAT(ui.lines, IsEmpty());
  EXPECT_THAT(ui.busyChanges, ElementsAre(true, false));
  EXPECT_EQ(app.m_summary.m_nAllInHands, 0);  // the all-in sums are reset first
}

TEST_F(Run, AFolderOfFilesThatGiveNothingSaysWhyBeforeNoData) {
  dir.Write("hands/tournament.txt",
            "Game #1 starts.\n"
            "NL Texas Hold'em  Trny: 12345 Level: 1 Blinds(10/20) - Tuesday, June 19, 23:00:41 "
            "EDT 2018\nBob posts big blind [20].\n");
  dir.Write("hands/euros.txt",
            "***** Hand History for Game 2 *****\n"
            "\u20AC0.10/\u20AC0.25 EUR NL Texas Hold'em - Tuesday, June 19, 23:00:41 EDT 2018\n"
            "Table Clifton (Real Money)\nTotal number of players : 2/9\n"
            "Bob posts big blind [\u20AC0.25 EUR].\n");
  dir.Write("hands/notes.txt", "nothing here\n");
  PartyPokerForBob();
  EXPECT_FALSE(RunAnalysis(app, ui));
  ASSERT_EQ(ui.lines.size(), 3u);
  EXPECT_EQ(ui.lines[1], L"Skipped: 3 files (1 tournament, 1 other currency, 1 unreadable)");
  // The hand of the file refused whole counts too; the desktop program's
  // message names the control that changes the filter.
  EXPECT_EQ(ui.lines[2], L"Left out: 1 hand (currency: 1)");
  EXPECT_THAT(ui.messages, ElementsAre(L"No data available! Every hand was left out by the "
                                       L"currency filter (USD); see \"USD / Euro / GBP\" on the "
                                       L"Home tab."));
  EXPECT_THAT(Log(), HasSubstr("euros.txt (other currency)\n"));
}

TEST_F(Run, ADatabaseThatCannotBeReachedEndsWithNoData) {
  app.m_settings.Source = kDatabaseSource;
  app.m_settings.DBSource = 1;  // HoldemManager2
  app.m_settings.Port = L"1";   // nothing listens there
  EXPECT_FALSE(RunAnalysis(app, ui));
  EXPECT_THAT(ui.messages, ElementsAre(L"You have no data!"));
  EXPECT_THAT(Log(), HasSubstr("ODBC: connecting failed: "));
}

TEST_F(Run, FilesReadOnSeveralWorkersAreReportedInListOrder) {
  // The first file is still being read when the small ones behind it have
  // finished (given two cores or more); its lines, log blocks and hands must
  // still come first.
  const std::filesystem::path data = LUMORA_TEST_DATA_DIR "/pokerstars";
  const auto fixture = [&](const char* name) { return ReadFile(data / name); };
  const std::string sidePots =
      fixture("side_pots/HH20240305 Ankaa - $0.05-$0.10 - USD No Limit Hold'em.txt");
  std::string large = sidePots;
  for (int i = 0; i < 100; ++i) large += sidePots.substr(3);  // without the byte-order mark
  dir.Write("hands/a.txt", large);
  dir.Write("hands/b.txt",
            fixture("run_twice/HH20240305 Pollux - $0.05-$0.10 - USD No Limit Hold'em.txt"));
  dir.Write("hands/c.txt",
            fixture("basics/HH20240305 Halley - $0.05-$0.10 - USD No Limit Hold'em.txt"));
  dir.Write("hands/d.txt",
            fixture("blind_raises/HH20240308 Electra - $0.05-$0.10 - USD No Limit Hold'em.txt"));
  app.m_settings.PokerRoom = kPokerStars;
  app.m_settings.NickName = L"Hero";
  app.m_settings.NumPl = kAllTableSizes;
  RunHands runHands;
  RunAnalysis(app, ui, &runHands);

  const auto path = [&](const char* name) { return PathToText(dir / "hands" / name); };
  std::vector<std::wstring> fileLines;
  for (const auto& line : ui.lines)
    if (line.starts_with(L"File: ")) fileLines.push_back(line);
  EXPECT_THAT(fileLines, ElementsAre(StartsWith(L"File: " + path("a.txt") + L" nHands = 1010 "),
                                     StartsWith(L"File: " + path("b.txt") + L" nHands = 4 "),
                                     StartsWith(L"File: " + path("c.txt") + L" "),
                                     StartsWith(L"File: " + path("d.txt") + L" ")));
  const std::string log = Log();
  ASSERT_NE(log.find("Hand #249196708146 "), std::string::npos);
  EXPECT_LT(log.rfind("Hand #249196634160 "), log.find("Hand #249196708146 "));
  EXPECT_THAT(runHands.sources,
              ElementsAre(path("a.txt"), path("b.txt"), path("c.txt"), path("d.txt")));
  ASSERT_EQ(runHands.hands.size(), 1010u + 4 + 10 + 7);  // c.txt: three hands the hero sat out
  EXPECT_TRUE(std::is_sorted(runHands.sourceOfHand.begin(), runHands.sourceOfHand.end()));
  EXPECT_EQ(runHands.hands[1010].handId, L"249196708146");
  EXPECT_EQ(runHands.hands.back().handId, L"249310423918");

  // The desktop program keeps only what its graph draws: the same hands.
  RunHands graphOnly;
  graphOnly.kept = RunHands::Kept::kGraph;
  RunAnalysis(app, ui, &graphOnly);
  const std::vector<GraphHand> expected = GraphHandsOf(runHands.hands);
  ASSERT_EQ(graphOnly.graph.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
    ASSERT_EQ(
        std::tie(graphOnly.graph[i].startTime, graphOnly.graph[i].wonBigBlinds,
                 graphOnly.graph[i].adjustedBigBlinds),
        std::tie(expected[i].startTime, expected[i].wonBigBlinds, expected[i].adjustedBigBlinds));
  EXPECT_THAT(graphOnly.hands, IsEmpty());
}

FileOutcome Outcome(const wchar_t* path, bool completed, HandResultStore hands, int32_t bigBlind,
                    std::vector<AllInHandReport> allIns = {}) {
  FileOutcome outcome;
  outcome.source.path = path;
  outcome.source.completed = completed;
  outcome.source.hands = std::move(hands);
  outcome.source.allInReports = std::move(allIns);
  outcome.passedChecks = true;
  outcome.detectedBigBlind = bigBlind;
  return outcome;
}

TEST_F(Run, MergesFilesInListOrderAndDropsAbandonedOnesWhole) {
  std::vector<FileOutcome> outcomes;
  outcomes.push_back(Outcome(L"/h/a.txt", true, Hands({150, -50.5}), 10,
                             {{{L"block a", L"end a"}, 1.5, 1.0, 0.5, 0.1, true}}));
  outcomes.push_back(Outcome(L"/h/abandoned.txt", false, Hands({999}), 10,
                             {{{L"block b"}, 9.99, 0, 0, 0.1, false}}));
  outcomes.push_back(Outcome(L"/h/empty.txt", true, {}, 25));
  outcomes.push_back(Outcome(L"/h/d.txt", true, Hands({-10}), 10));
  outcomes.push_back(Outcome(L"/h/refused.txt", false, {}, 50));
  outcomes[2].source.paneNotes = {L"Hand #7 in /h/empty.txt", L"Total pot ?"};
  outcomes[1].source.skip = FileSkip::kTournament;
  outcomes[4].source.skip = FileSkip::kOtherCurrency;
  outcomes[2].source.LeaveOut(HandLeftOut::kOutsideDates);

  std::vector<double> store;
  RunHands runHands;
  FileSkipCounts skipped{};
  FileMerge merge(app, report, store, &runHands);
  for (const FileOutcome& outcome : outcomes) merge.Add(outcome);
  const int64_t bigBlind = merge.Finish(2, skipped);

  EXPECT_EQ(bigBlind, 10);  // the last file that gave hands, not the last one accepted
  EXPECT_THAT(ui.lines, ElementsAre(L"Hand #7 in /h/empty.txt", L"Total pot ?",
                                    L"File: /h/a.txt nHands = 2 Result = 99.50",
                                    L"File: /h/d.txt nHands = 1 Result = -10.00"));
  ASSERT_EQ(store.size(), 3u);
  EXPECT_EQ(store[2], -10);
  EXPECT_THAT(runHands.sources, ElementsAre(L"/h/a.txt", L"/h/d.txt"));
  EXPECT_THAT(runHands.sourceOfHand, ElementsAre(0, 0, 1));
  EXPECT_EQ(app.m_summary.m_nAllInHands, 1);
  EXPECT_DOUBLE_EQ(app.m_summary.m_dAllInWinBB, 15.0);

  const std::string log = Log();
  EXPECT_LT(log.find("  block a\n"), log.find("  end a\n"));
  EXPECT_LT(log.find("  end a\n"), log.find("File: /h/a.txt"));
  EXPECT_EQ(log.find("block b"), std::string::npos);
  EXPECT_THAT(ui.loggedBefore, ElementsAre(false, false, true, true));  // File: log, then pane
  // Each file that gave nothing is logged with its reason, and counted.
  EXPECT_THAT(log, HasSubstr("Skipped file: /h/abandoned.txt (tournament)\n"));
  EXPECT_THAT(log, HasSubstr("Skipped file: /h/empty.txt (outside the dates)\n"));
  EXPECT_EQ(SkippedLine(skipped),
            L"Skipped: 3 files (1 tournament, 1 other currency, 1 outside the dates)\n");
  EXPECT_EQ(SkippedLine(FileSkipCounts{}), L"");
}

TEST_F(Run, AllBigBlindsEndAfterTheTotals) {
  app.m_settings.CashLimit = 0;
  app.m_summary.m_nHands = 42;
  EXPECT_FALSE(ReportStatistics(app, report, ui, std::vector<double>({150, -50}), 10));
  EXPECT_THAT(ui.lines,
              ElementsAre(L"Summary: nHands = 2 Win = 1.00",
                          L"Summary all-in (money): nHands = 0 Win = 0.00 EV = 0.00 diff = 0.00",
                          L"Summary all-in (BBs): nHands = 0 Win = 0.00 EV = 0.00 diff = 0.00"));
  EXPECT_THAT(ui.loggedBefore, ElementsAre(true, true, true));
  EXPECT_THAT(ui.messages, IsEmpty());
  EXPECT_EQ(app.m_summary.m_nHands, 42);  // the previous run's figures stay
  EXPECT_TRUE(app.m_limitResults.empty());
}

TEST_F(Run, ALossEndsWithItsLineAndMessage) {
  EXPECT_FALSE(ReportStatistics(app, report, ui, std::vector<double>({-150, 50}), 10));
  ASSERT_EQ(ui.lines.size(), 5u);
  EXPECT_EQ(ui.lines[3], L"Summary: nHands = 2 Win = -1.00 WinRate = -500.00");
  EXPECT_EQ(ui.lines[4], L"Summary: BB 10 nHands = 2 Win = -1.00 WinRate = -500.00");
  EXPECT_FALSE(ui.loggedBefore[4]);  // the loss line shows first, then is logged
  EXPECT_THAT(Log(), HasSubstr("Summary: BB 10 nHands = 2 Win = -1.00 WinRate = -500.00\n"));
  EXPECT_THAT(ui.messages, ElementsAre(L"Your Win Rate < 0! Analysis is useless!"));
  EXPECT_TRUE(app.m_limitResults.empty());
}

TEST_F(Run, AWinStoresTheFiguresAndReportsTheSharpeRatio) {
  ASSERT_TRUE(ReportStatistics(app, report, ui, std::vector<double>({150, -50}), 10));
  ASSERT_EQ(ui.lines.size(), 5u);
  EXPECT_EQ(ui.lines[3], L"Summary: nHands = 2 Win = 1.00 WinRate = 500.00");
  EXPECT_EQ(ui.lines[4],
            L"Summary: BB 10 nHands = 2 Win = 1.00 WinRate = 500.00 sv = 14.14 sw = 100.00 "
            L"Sharpe ratio = 3.54");
  EXPECT_FALSE(ui.loggedBefore[4]);
  EXPECT_EQ(app.m_summary.m_nHands, 2);
  EXPECT_DOUBLE_EQ(app.m_summary.m_dWin, 1.0);
  EXPECT_DOUBLE_EQ(app.m_summary.m_dWinRate, 500.0);
  EXPECT_NEAR(app.m_summary.m_dVar, 20000.0, 1e-9);
  EXPECT_NEAR(app.m_summary.m_dSD, 14.142136, 1e-6);
  ASSERT_EQ(app.m_limitResults.count({10, 0, 0}), 1u);
  EXPECT_NEAR(app.m_limitResults.at({10, 0, 0}).sd, 141.421356, 1e-6);
}

TEST_F(Run, AZeroTotalIsNoLoss) {
  EXPECT_TRUE(ReportStatistics(app, report, ui, std::vector<double>({50, -50}), 10));
  EXPECT_EQ(ui.lines[3], L"Summary: nHands = 2 Win = 0.00 WinRate = 0.00");
  EXPECT_THAT(ui.messages, IsEmpty());
}

TEST_F(Run, ReportsTheBankrollForNineRiskLevels) {
  ASSERT_TRUE(ReportStatistics(app, report, ui, std::vector<double>({150, -50}), 10));
  ui.lines.clear();
  ReportRiskOfRuin(app, report, 10);
  ASSERT_EQ(ui.lines.size(), 9u);
  EXPECT_THAT(ui.lines[0],
              StartsWith(L"RoR = 50.00 Bankroll (ROR) =  13.86 BB (1.39 $) Bankroll (RORU) =  "));
  EXPECT_EQ(Log().find("RoR = "), std::string::npos);  // output only
}

TEST_F(Run, RefreshesTheComparisonWhenBothLimitsAreKnown) {
  app.m_settings.CashLimit_0 = 10;
  app.m_settings.CashLimit_1 = 25;
  EXPECT_FALSE(RefreshComparisonDisplay(app, ui));
  UpdateLimitResult(app.m_limitResults, {10, 0, 0}, 10, 5.0, 100.0);
  UpdateLimitResult(app.m_limitResults, {25, 0, 0}, 25, 4.0, 40.0);
  EXPECT_TRUE(RefreshComparisonDisplay(app, ui));
  ASSERT_EQ(ui.comparisons.size(), 1u);
  EXPECT_EQ(ui.comparisons[0].bb2, 25);
}

}  // namespace
}  // namespace lumora
