#include "db/tracker_filters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "db/database_run.h"
#include "db/tracker_db.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;

TrackerFilter Filter(int32_t cashLimit, int32_t numPl, int32_t currency, int32_t siteIndex = 0) {
  TrackerFilter filter;
  filter.cashLimit = cashLimit;
  filter.numPl = numPl;
  filter.currency = currency;
  filter.siteIndex = siteIndex;
  filter.games[kAllGames] = 1;
  return filter;
}

TEST(GameTypeFilterSql, AsksForTheLimitTheCurrencyAndTheTableSize) {
  EXPECT_EQ(GameTypeFilterSql(Filter(50, 2, 1)),
            L"select * from gametypes where (bigblindincents = 50 or smallblindincents = 25) and "
            L"istourney = FALSE and currencytype_id = 1 and TableSize between 4 and 6;");
  EXPECT_EQ(GameTypeFilterSql(Filter(10, 0, 0, 3)),
            L"select * from gametypes where bigblindincents = 10 and istourney = FALSE and "
            L"currencytype_id = 0 and TableSize = 2;");
  EXPECT_EQ(GameTypeFilterSql(Filter(10, 3, 0, 3)),
            L"select * from gametypes where bigblindincents = 10 and istourney = FALSE and "
            L"currencytype_id = 0 and TableSize > 6;");
}

TEST(GameTypeFilterSql, AllTableSizesOrAllBigBlindsAskForNone) {
  EXPECT_EQ(GameTypeFilterSql(Filter(10, 4, 0, 1)),
            L"select * from gametypes where bigblindincents = 10 and istourney = FALSE and "
            L"currencytype_id = 0;");
  EXPECT_EQ(GameTypeFilterSql(Filter(0, 1, 2)),
            L"select * from gametypes where istourney = FALSE and currencytype_id = 2 and "
            L"TableSize = 3;");
}

TEST(CashLimitFilterSql, WritesTheBigBlindInCurrencyUnits) {
  EXPECT_EQ(CashLimitFilterSql(Filter(25, 2, 0)),
            L"select * from cash_limit where amt_bb = 0.25 and limit_currency = 'USD' and flg_sh = "
            L"TRUE;");
  EXPECT_EQ(CashLimitFilterSql(Filter(100, 0, 1)),
            L"select * from cash_limit where amt_bb = 1.00 and limit_currency = 'EUR' and flg_hu = "
            L"TRUE;");
  EXPECT_EQ(CashLimitFilterSql(Filter(200, 3, 2)),
            L"select * from cash_limit where amt_bb = 2.00 and limit_currency = 'GBP' and flg_fr = "
            L"TRUE;");
  // Three-handed tables are short-handed; all sizes and all limits ask for no flag or amount.
  EXPECT_EQ(CashLimitFilterSql(Filter(10, 1, 0)),
            L"select * from cash_limit where amt_bb = 0.10 and limit_currency = 'USD' and flg_sh = "
            L"TRUE;");
  EXPECT_EQ(CashLimitFilterSql(Filter(0, 4, 0)),
            L"select * from cash_limit where limit_currency = 'USD';");
}

TEST(BuildHandWhereClause, JoinsEveryFilter) {
  TrackerFilter filter = Filter(10, 2, 0);
  filter.minPl = 3;
  filter.maxPl = 6;
  filter.zoom = 1;
  filter.nonZoom = 0;
  EXPECT_EQ(
      BuildHandWhereClause(filter),
      L"where gametypes.currency = 0 and gametypes.maxseats = 6 and hands.seats between 3 and 6 "
      L"and gametypes.bigblind = 10 and gametypes.fast = true");
  filter.zoom = 1;
  filter.nonZoom = 1;
  filter.numPl = 4;
  filter.cashLimit = 0;
  EXPECT_EQ(
      BuildHandWhereClause(filter),
      L"where gametypes.currency = 0 and hands.seats between 3 and 6 and gametypes.bigblind < "
      L"1000001");
  filter.zoom = 0;
  EXPECT_THAT(BuildHandWhereClause(filter), ::testing::EndsWith(L" and gametypes.fast = false"));
}

TEST(BuildHandWhereClause, TurnsTheGameSelectionIntoKinds) {
  TrackerFilter filter = Filter(10, 4, 0);
  filter.games = {};
  filter.games[kHoldemGames] = 1;
  filter.games[7] = 1;  // Pot Limit Omaha
  EXPECT_THAT(BuildHandWhereClause(filter),
              ::testing::EndsWith(L" and ((gametypes.idgamekind > 1 and gametypes.idgamekind < 5) "
                                  L"or (idgamekind = 7) )"));
  filter.games = {};
  filter.games[13] = 1;
  filter.games[kOmahaGames] = 1;
  EXPECT_THAT(BuildHandWhereClause(filter),
              ::testing::EndsWith(L" and ((gametypes.idgamekind > 5 and gametypes.idgamekind < 12) "
                                  L"or (gametypes.idgamekind = 13) )"));
  filter.games = {};
  filter.games[kStudGames] = 1;
  filter.games[31] = 1;  // Limit Badugi
  EXPECT_THAT(BuildHandWhereClause(filter), ::testing::Not(::testing::HasSubstr(L"idgamekind")));
}

TEST(HandIdsSql, TakesBothEndsOfTheRange) {
  EXPECT_EQ(
      HandIdsSql(L"where gametypes.currency = 0", 1, 1709596800, 1709683200),
      L"select hands.id as idhand from hands, files, gametypes where gametypes.currency = 0 and "
      L"hands.idfile = files.id and gametypes.id = hands.idgametype and files.idsite = 1 and "
      L"hands.localtime >  1709596799 and hands.localtime <  1709683201;");
}

TEST(TrackerDb, EscapesQuotesAndBracesWhatCouldBreakOut) {
  EXPECT_EQ(EscapeSqlText(L"O'Brien"), L"O''Brien");
  EXPECT_EQ(EscapeSqlText(L"x'; drop table players; --"), L"x''; drop table players; --");
  RunSettings settings;
  settings.ServerIP = L"127.0.0.1";
  settings.Port = L"5432";
  settings.DBName = L"hm2";
  settings.DBUser = L"me";
  settings.DBPass = L"se;cret}";
  EXPECT_EQ(BuildConnectionString(settings),
            L"Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=5432;Database=hm2;Uid=me;"
            L"Pwd={se;cret}}};");
}

TEST(SiteLists, FixedListsAndThePlaceOfASite) {
  EXPECT_EQ(LoadSiteList(kHoldemManager1, {}), LoadSiteList(kHoldemManager2, {}));
  EXPECT_TRUE(LoadSiteList(7, {}).empty());
  const SiteMap b = LoadSiteList(kPokerTracker4, {});
  EXPECT_EQ(SiteIdAt(b, 1), std::next(b.begin())->first);
  EXPECT_EQ(SiteIdAt(b, static_cast<int32_t>(b.size())), 0);
  EXPECT_EQ(SiteIdAt({}, 0), 0);
}

TEST(SplitHandText, KeepsTheLastLineWithoutALineFeed) {
  EXPECT_THAT(SplitHandText(L"a\r\nb\nc"), ElementsAre(L"a\r", L"b", L"c"));
  EXPECT_THAT(SplitHandText(L"a\n\nb\n"), ElementsAre(L"a", L"", L"b"));
  EXPECT_TRUE(SplitHandText(L"").empty());
}

TEST(Drivers, AnUnknownDriverIsNotInstalled) {
  const OdbcEnvironment env;
  ASSERT_TRUE(env.ok());
  EXPECT_FALSE(TestDSNDriver(env, L"No Such Driver 7"));
}

}  // namespace
}  // namespace lumora
