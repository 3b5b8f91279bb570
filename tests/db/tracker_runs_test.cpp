// Database runs against the real test server (tools/pg_test_server.sh):
// each tracker kind end to end, with the results of tests/db/README.md.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "app/log_file.h"
#include "app/lumora_app.h"
#include "base/text.h"
#include "db/database_run.h"
#include "db/odbc.h"
#include "db/tracker_db.h"
#include "equity/poker_logic.h"
#include "run/run_analysis.h"
#include "tests/db/db_test_support.h"
#include "tests/support/recording_ui.h"
#include "tests/support/scoped_time_zone.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr int64_t k2023 = 1672531200;  // 2023-01-01 00:00:00 UTC
constexpr int64_t k2025 = 1735689600;
constexpr int64_t k5March = 1709596800;
constexpr int64_t k6March = k5March + 86400;

const PokerLogic& Engine() {
  static const PokerLogic engine;
  return engine;
}

struct Outcome {
  bool goOn = false;
  SourceResult source;
  testing::RecordingUi ui;
  int hands() const { return static_cast<int>(source.hands.size()); }
  long long total() const {
    double sum = 0;
    for (const HandResult& hand : source.hands) sum += hand.resultCents;
    return std::llround(sum);
  }
};

class TrackerRun : public ::testing::Test {
 protected:
  TrackerRun() {
    const testing::TestServer server = testing::ReadTestServer();
    settings.ServerIP = Utf8ToWide(server.host);
    settings.Port = Utf8ToWide(server.port);
    settings.DBUser = Utf8ToWide(server.user);
    settings.DBPass = Utf8ToWide(server.password);
    settings.NickDB = L"Hero";
    settings.CashLimit = 10;
    settings.NumPl = 2;
    settings.Currency = kUsd;
    settings.minPl = 2;
    settings.maxPl = 10;
    settings.Zoom = 1;
    settings.NonZoom = 1;
    filter.nick = L"Hero";
    filter.timeFrom = k2023;
    filter.timeTo = k2025;
    filter.numPl = 4;
    log.Open(dir / "Lumora.log");
  }

  /// A tracker of `kind` in database `name`, reading the site at `index`.
  void Tracker(int32_t kind, const wchar_t* name, int32_t index) {
    settings.DBSource = kind;
    settings.DBName = name;
    settings.DBPokerRoomIndex = index;
    settings.DBPokerRoomSiteId =
        SiteIdAt(LoadSiteList(kind, {BuildConnectionString(settings), &log}), index);
  }

  std::unique_ptr<Outcome> Run(int32_t fetchRows = kDatabaseFetchRows) {
    auto outcome = std::make_unique<Outcome>();
    filter.cashLimit = settings.CashLimit;
    filter.currency = settings.Currency;
    filter.minPl = settings.minPl;
    filter.maxPl = settings.maxPl;
    filter.zoom = settings.Zoom;
    filter.nonZoom = settings.NonZoom;
    outcome->goOn =
        RunDatabaseQuery(settings, filter, Engine(), log, outcome->ui, outcome->source, fetchRows);
    return outcome;
  }

  testing::ScopedTimeZone zone{"UTC"};
  testing::TempDir dir;
  LogFile log;
  RunSettings settings;
  HandFilter filter;
};

/// The stored-text trackers hold the same hands: the same runs give the same figures.
class StoredTextRun : public TrackerRun, public ::testing::WithParamInterface<int32_t> {
 protected:
  void Tracker(int32_t index) {
    static const wchar_t* kNames[] = {L"lumora_hm1", L"lumora_hm2", L"lumora_pt4"};
    TrackerRun::Tracker(GetParam(), kNames[GetParam()], index);
  }
};

TEST_P(StoredTextRun, ReadsTheStoredHandsOfTheSiteLimitAndTable) {
  Tracker(1);  // PokerStars
  auto all = Run();
  ASSERT_TRUE(all->goOn);
  EXPECT_EQ(all->hands(), 22);  // the three hands the hero sat out are none of his
  // The hand stored without a final line feed keeps its last line, its
  // summary's: +15.
  EXPECT_EQ(all->total(), 87 + 25);
  EXPECT_EQ(all->source.allInReports.size(), 9u);
  EXPECT_EQ(all->source.path, L"DataBase");
  EXPECT_EQ(all->source.hands.front().handId, L"249196136105");

  filter.timeFrom = k6March;
  filter.timeTo = k6March + 86400;
  auto day = Run();
  EXPECT_EQ(day->hands(), 1);
  EXPECT_EQ(day->total(), 15);

  filter.timeFrom = k5March;
  filter.timeTo = k6March;  // both ends of the range are inside
  EXPECT_EQ(Run()->total(), 277);

  filter.timeFrom = k2023;
  filter.timeTo = k2025;
  settings.CashLimit = 25;
  EXPECT_EQ(Run()->total(), -25);
  settings.CashLimit = 10;
  settings.NumPl = 3;
  EXPECT_EQ(Run()->total(), 50);
  settings.NumPl = 0;
  EXPECT_EQ(Run()->hands(), 0);
  settings.NumPl = 4;  // every table size
  auto sizes = Run();
  EXPECT_EQ(sizes->hands(), 23);
  EXPECT_EQ(sizes->total(), 137 + 25);
}

TEST_P(StoredTextRun, AnEightEightEightSiteIsReadByItsOwnReader) {
  Tracker(2);
  auto run = Run();
  ASSERT_TRUE(run->goOn);
  EXPECT_EQ(run->hands(), 8);
  EXPECT_EQ(run->total(), -12);
}

// Rows fetched a few at a time give what one fetch gives: no row is lost or
// read twice where two pieces meet, and the progress counts every row.
TEST_P(StoredTextRun, PiecesOfAFewRowsGiveWhatOnePieceGives) {
  Tracker(1);
  settings.NumPl = 4;
  auto whole = Run();
  auto pieces = Run(4);
  ASSERT_TRUE(pieces->goOn);
  EXPECT_EQ(pieces->hands(), 23);
  EXPECT_EQ(pieces->total(), whole->total());
  EXPECT_EQ(pieces->source.allInReports.size(), whole->source.allInReports.size());
  EXPECT_EQ(pieces->source.logNotes, whole->source.logNotes);
  for (int i = 0; i < pieces->hands(); ++i) {
    EXPECT_EQ(pieces->source.hands[i].handId, whole->source.hands[i].handId);
    EXPECT_EQ(pieces->source.hands[i].startTime, whole->source.hands[i].startTime);
  }
  const auto& hands = pieces->source.hands;
  const auto late = std::find_if(hands.begin(), hands.end(),
                                 [](const HandResult& h) { return h.handId == L"249197000001"; });
  ASSERT_NE(late, hands.end());
  EXPECT_EQ(late->startTime, k6March + 11 * 3600 + 7 * 60 + 21);  // stored 2024-03-06 11:07:21
  const auto& progress = pieces->ui.progress;
  ASSERT_GT(progress.size(), 6u);  // more than 23 rows in pieces of 4
  EXPECT_EQ(progress.front(), std::make_pair(size_t{0}, progress.back().second));
  EXPECT_EQ(progress.back().first, progress.back().second);
}

INSTANTIATE_TEST_SUITE_P(Trackers, StoredTextRun,
                         ::testing::Values(kHoldemManager1, kHoldemManager2, kPokerTracker4),
                         [](const auto& info) { return std::to_string(info.param); });

// Stored texts come as the server's UTF-8 bytes and are decoded here: names
// and amounts outside ASCII come back as stored, also in a text longer than
// the buffer the row before was read into, and in the row after it.
TEST_F(TrackerRun, StoredTextsOutsideAsciiComeBackAsStored) {
  settings.DBName = L"lumora_hm2";
  const std::wstring hand =
      L"PokerStars Hand #249196136105:  Hold'em No Limit (\u20ac0.05/\u20ac0.10 EUR)\n"
      L"Seat 2: J\u00f6rg Gr\u00f6\u00dfe (\u20ac10.45 in chips)\n"
      L"Seat 5: \u0410\u043b\u0451\u043d\u0430 (\u20ac9.80 in chips)\n"
      L"J\u00f6rg Gr\u00f6\u00dfe said, \"gg \U0001F642\"\n";
  const std::wstring stored = EscapeSqlText(hand);
  const auto rows = OpenODBC(BuildConnectionString(settings),
                             Format(L"select handhistory from (values (1, '%s'), (2, repeat('%s', "
                                    L"60)), (3, '%s')) as stored(id, handhistory) order by id;",
                                    stored, stored, stored),
                             &log);
  ASSERT_TRUE(rows);
  std::vector<std::wstring> texts;
  for (; !rows->IsEOF(); rows->MoveNext()) {
    texts.emplace_back(rows->Text(L"handhistory"));
    EXPECT_EQ(rows->Utf8Text(L"handhistory"), WideToUtf8(texts.back()));
  }
  EXPECT_FALSE(rows->Failed());
  std::wstring repeated;
  for (int i = 0; i < 60; ++i) repeated += hand;
  EXPECT_THAT(texts, ElementsAre(hand, repeated, hand));
}

TEST_F(TrackerRun, AFilterWithNoMatchSendsARequestTheServerRejects) {
  Tracker(kHoldemManager2, L"lumora_hm2", 1);
  settings.NumPl = 1;  // no game type of three seats
  auto run = Run();
  EXPECT_FALSE(run->goOn);
  ASSERT_EQ(run->ui.lines.size(), 1u);
  EXPECT_THAT(run->ui.lines[0], HasSubstr(L"Error: request <select * from handhistories where "
                                          L"pokersite_id = 1 and () and handtimestamp between"));
  EXPECT_THAT(testing::ReadFile(dir / "Lumora.log"), HasSubstr("ODBC: the request <"));
}

TEST_F(TrackerRun, AnUnreachableServerEndsTheRunWithTheRequest) {
  Tracker(kHoldemManager2, L"no_such_database", 1);
  auto run = Run();
  EXPECT_FALSE(run->goOn);
  EXPECT_THAT(testing::ReadFile(dir / "Lumora.log"), HasSubstr("ODBC: connecting failed: ["));
}

TEST_F(TrackerRun, ACancelledRunEndsWithoutTotalsOrHands) {
  Tracker(kHoldemManager2, L"lumora_hm2", 1);
  CLumoraApp app(dir / "Run.log");
  app.m_settings = settings;
  app.m_settings.Source = kDatabaseSource;
  app.m_dateRange = {k2023, k2025};
  testing::RecordingUi ui;
  ui.cancel = true;  // asked while the first piece was read
  RunHands hands;
  EXPECT_FALSE(RunAnalysis(app, ui, &hands));
  EXPECT_THAT(ui.messages, ElementsAre(L"The analysis was cancelled."));
  EXPECT_THAT(ui.lines, IsEmpty());
  EXPECT_THAT(hands.hands, IsEmpty());
}

TEST_F(TrackerRun, HvdTakesEachSelectedHandsResultAsStored) {
  Tracker(kHvd, L"lumora_hvd", 0);
  EXPECT_EQ(settings.DBPokerRoomSiteId, 1);
  settings.maxPl = 6;
  filter.timeFrom = 0;
  filter.timeTo = 4102444800;
  auto a = Run();
  ASSERT_TRUE(a->goOn);
  EXPECT_EQ(a->hands(), 10);  // rows of hands outside the selection are ignored
  EXPECT_EQ(a->total(), 210);
  EXPECT_EQ(a->source.hands.front().handId, L"101");
  auto pieces = Run(2);
  EXPECT_EQ(pieces->hands(), 10);
  EXPECT_EQ(pieces->total(), 210);

  settings.NonZoom = 0;
  EXPECT_EQ(Run()->total(), 95);
  settings.NonZoom = 1;
  settings.Zoom = 0;
  EXPECT_EQ(Run()->total(), 115);
  settings.Zoom = 1;

  filter.games = {};
  filter.games[kHoldemGames] = 1;
  filter.games[7] = 1;
  EXPECT_EQ(Run()->total(), 150);
  filter.games = AllGamesSelected();

  filter.timeFrom = k5March;
  filter.timeTo = k6March;
  EXPECT_EQ(Run()->total(), 120);
}

TEST_F(TrackerRun, HvdFindsANickWithAQuoteAndTheLastRowOfTwo) {
  Tracker(kHvd, L"lumora_hvd", 0);
  const TrackerDb db{BuildConnectionString(settings), &log};
  EXPECT_EQ(FindPlayerId(db, 1, L"Hero"), 15);
  EXPECT_EQ(FindPlayerId(db, 1, L"O'Brien"), 13);
  settings.NickDB = L"O'Brien";
  settings.maxPl = 6;
  filter.timeFrom = 0;
  filter.timeTo = 4102444800;
  EXPECT_EQ(Run()->total(), -318);
}

TEST_F(TrackerRun, HvdWithoutThePlayerStopsTheRun) {
  Tracker(kHvd, L"lumora_hvd", 0);
  settings.NickDB = L"Nobody";
  auto run = Run();
  EXPECT_FALSE(run->goOn);
  EXPECT_THAT(run->ui.messages, ElementsAre(L"Player is not founded in DB!"));
}

TEST_F(TrackerRun, HvdSitesComeFromTheDatabase) {
  Tracker(kHvd, L"lumora_hvd", 0);
  const SiteMap sites = LoadSiteList(kHvd, {BuildConnectionString(settings), &log});
  EXPECT_THAT(sites, ElementsAre(std::pair{1, std::wstring(L"PokerStars")},
                                 std::pair{2, std::wstring(L"888poker")},
                                 std::pair{3, std::wstring(L"PartyPoker")}));
  settings.DBName = L"lumora_hvd_empty";
  EXPECT_THAT(LoadSiteList(kHvd, {BuildConnectionString(settings), &log}), IsEmpty());
  EXPECT_EQ(SiteIdAt({}, 0), 0);
}

}  // namespace
}  // namespace lumora
