#include "history/pokerstars_header.h"

#include <gtest/gtest.h>

#include "history/party_header.h"
#include "tests/support/scoped_time_zone.h"

namespace lumora {
namespace {

constexpr int64_t k14UtcOn5May2020 = 1588687200;

TEST(PokerStarsHeader, TakesTheBracketedEasternTimeAsFourHoursBehindUtc) {
  // Whatever the machine's zone: 10:00 ET is 14:00 UTC.
  for (const char* zone : {"UTC", "Europe/Moscow", "America/New_York", "Europe/Berlin"}) {
    testing::ScopedTimeZone scoped(zone);
    const PokerStarsHeader header = ReadPokerStarsHeader(
        L"PokerStars Hand #1: Hold'em No Limit ($0.05/$0.10 USD) - 2020/05/05 16:00:00 CET "
        L"[2020/05/05 10:00:00 ET]",
        AllGamesSelected());
    EXPECT_EQ(header.startTime, k14UtcOn5May2020) << zone;
    EXPECT_EQ(header.gameName, L"Hold'em No Limit");
    EXPECT_EQ(header.bigBlindCents, 10);
    EXPECT_EQ(header.currency, 0);
    EXPECT_EQ(header.zoom, 0);
  }
}

TEST(PokerStarsHeader, ReadsEveryForm) {
  const GameFlags all = AllGamesSelected();
  const auto single = ReadPokerStarsHeader(
      L"\uFEFFPokerStars Hand #2: Omaha Pot Limit (\u20AC0.25/\u20AC0.50 EUR) - 2020/05/05 "
      L"10:00:00 ET",
      all);
  EXPECT_EQ(single.startTime, k14UtcOn5May2020);
  EXPECT_EQ(single.currency, 1);
  EXPECT_EQ(single.bigBlindCents, 50);
  const auto zoomDollars = ReadPokerStarsHeader(
      L"PokerStars Zoom Hand #3:  Hold'em No Limit ($0.05/$0.10) - 2020/05/05 16:00:00 CET "
      L"[2020/05/05 10:00:00 ET]",
      all);
  EXPECT_EQ(zoomDollars.zoom, 1);
  EXPECT_EQ(zoomDollars.currency, 0);
  EXPECT_EQ(zoomDollars.startTime, k14UtcOn5May2020);
  const auto zoomEuros = ReadPokerStarsHeader(
      L"PokerStars Zoom Hand #4:  Hold'em No Limit (\u20AC0.05/\u20AC0.10) - 2020/05/05 10:00:00 "
      L"ET",
      all);
  EXPECT_EQ(zoomEuros.currency, 1);
  const auto pounds = ReadPokerStarsHeader(
      L"PokerStars Hand #5: Hold'em No Limit (\u00A31/\u00A32 GBP) - 2020/05/05 10:00:00 ET", all);
  EXPECT_EQ(pounds.currency, 2);
  EXPECT_EQ(pounds.bigBlindCents, 200);
}

TEST(PokerStarsHeader, GamesTheReadersDoNotTakeOrTheSelectionLeavesOutAreNotTaken) {
  constexpr const wchar_t* kLimitHoldem =
      L"PokerStars Hand #6: Hold'em Limit ($0.10/$0.20 USD) - 2020/05/05 10:00:00 ET";
  EXPECT_FALSE(ReadPokerStarsHeader(kLimitHoldem, AllGamesSelected()).taken);
  EXPECT_EQ(ReadPokerStarsHeader(kLimitHoldem, AllGamesSelected()).bigBlindCents, 20);

  GameFlags omahaOnly{};
  omahaOnly[kOmahaGames] = 1;
  auto header = [&](const wchar_t* game) {
    return ReadPokerStarsHeader(std::wstring(L"PokerStars Hand #7: ") + game +
                                    L" ($0.05/$0.10 USD) - 2020/05/05 10:00:00 ET",
                                omahaOnly)
        .taken;
  };
  EXPECT_TRUE(header(L"Omaha Pot Limit"));
  EXPECT_TRUE(header(L"Omaha Hi/Lo Pot Limit"));
  EXPECT_FALSE(header(L"Hold'em No Limit"));
  EXPECT_FALSE(header(L"5 Card Omaha Pot Limit"));
}

TEST(PokerStarsHeader, ADateOutOfRangeOrAnUnknownFormIsNotTaken) {
  const GameFlags all = AllGamesSelected();
  EXPECT_FALSE(ReadPokerStarsHeader(
                   L"PokerStars Hand #8: Hold'em No Limit ($0.05/$0.10 USD) - 2020/13/05 16:00:00 "
                   L"CET [2020/05/05 10:00:00 ET]",
                   all)
                   .taken);
  EXPECT_FALSE(
      ReadPokerStarsHeader(L"PokerStars Home Game Hand #9: Hold'em No Limit ($0.05/$0.10 USD) "
                           L"- 2020/05/05 10:00:00 ET",
                           all)
          .taken);
}

TEST(PartyHeader, ReadsBothFormsAsLocalTime) {
  testing::ScopedTimeZone zone("UTC");
  const HandHeader holdem =
      ReadPartyHeader(L"$0.10/$0.25 USD NL Texas Hold'em - Tuesday, June 19, 23:00:41 EDT 2018");
  EXPECT_TRUE(holdem.matched);
  EXPECT_EQ(holdem.startTime, 1529449241);
  EXPECT_EQ(holdem.bigBlindCents, 25);
  const HandHeader omaha =
      ReadPartyHeader(L"$25 USD PL Omaha - Friday, December 03, 23:16:02 CET 2013");
  EXPECT_EQ(omaha.bigBlindCents, 25);
  EXPECT_EQ(
      ReadPartyHeader(L"\u20AC1/\u20AC2 EUR NL Texas Hold'em - Monday, May 04, 10:00:00 CET 2020")
          .currency,
      1);
  // The later client's buy-in tables: thousands, Hi-Lo, no-limit Hold'em.
  EXPECT_EQ(ReadPartyHeader(L"$1,000 USD PL Omaha Hi-Lo - Monday, May 04, 10:00:00 CET 2020")
                .bigBlindCents,
            1000);
  EXPECT_EQ(ReadPartyHeader(L"$10 USD NL Texas Hold'em - Monday, May 04, 10:00:00 CET 2020")
                .bigBlindCents,
            10);
}

TEST(PartyHeader, TellsAnUnknownLineFromABadDate) {
  EXPECT_FALSE(
      ReadPartyHeader(L"$0.10/$0.25 USD NL Texas Hold'em - Tuesday, June 19, 23:00:41 E+1 2018")
          .matched);
  EXPECT_FALSE(
      ReadPartyHeader(L"$0.10/$0.25 USD NL Texas Hold'em - Tuesday, Juni 19, 23:00:41 EDT 2018")
          .matched);
  const HandHeader bad =
      ReadPartyHeader(L"$0.10/$0.25 USD NL Texas Hold'em - Tuesday, June 32, 23:00:41 EDT 2018");
  EXPECT_TRUE(bad.matched);
  EXPECT_TRUE(bad.badDate);
}

}  // namespace
}  // namespace lumora
