#include "base/local_time.h"

#include <gtest/gtest.h>

#include "tests/support/scoped_time_zone.h"

namespace lumora {
namespace {

using testing::ScopedTimeZone;

TEST(GetTimeFromString, ReadsTheRangeEndTextAsLocalTime) {
  ScopedTimeZone zone("UTC");
  EXPECT_EQ(GetTimeFromString(L"01.01.1970 00:00:00"), 0);
  EXPECT_EQ(GetTimeFromString(L"05.12.2026 13:45:10"), 1796478310);
  EXPECT_EQ(GetTimeFromString(L"5.1.2026 0:00:00"), 1767571200);
  // The far end of "All dates" needs 64-bit time.
  EXPECT_EQ(GetTimeFromString(L"01.01.3000 00:00:00"), 32503680000);
}

TEST(GetTimeFromString, DayNumbersOfZeroOrBelowCarryIntoThePreviousMonth) {
  ScopedTimeZone zone("UTC");
  EXPECT_EQ(GetTimeFromString(L"0.12.2026 00:00:00"), GetTimeFromString(L"30.11.2026 00:00:00"));
  EXPECT_EQ(GetTimeFromString(L"-2.12.2026 00:00:00"), GetTimeFromString(L"28.11.2026 00:00:00"));
  EXPECT_EQ(GetTimeFromString(L"-3.1.2027 00:00:00"), GetTimeFromString(L"28.12.2026 00:00:00"));
}

TEST(GetTimeFromString, RefusesTextOfAnotherForm) {
  for (const wchar_t* text : {L"", L"2026-12-05 00:00:00", L"05.12.2026", L"05.12.2026 00:00",
                              L"05.12.2026 00:00:00 extra", L"aa.12.2026 00:00:00"})
    EXPECT_FALSE(GetTimeFromString(text).has_value()) << text;
}

TEST(ReadExistingDateTime, ReadsOnlyADateAndTimeThatExist) {
  ScopedTimeZone zone("UTC");
  EXPECT_EQ(ReadExistingDateTime(L"29.02.2024 23:59:59"), 1709251199);
  for (const wchar_t* text :
       {L"31.02.2024 25:61:61", L"29.02.2023 00:00:00", L"31.04.2024 00:00:00",
        L"0.12.2026 00:00:00", L"01.01.1969 00:00:00", L"01.13.2024 00:00:00"})
    EXPECT_FALSE(ReadExistingDateTime(text).has_value()) << text;
}

TEST(MakeLocalTime, FollowsTheMachinesZone) {
  ScopedTimeZone zone("Europe/Moscow");
  EXPECT_EQ(MakeLocalTime({2020, 5, 5, 10, 0, 0}), 1588662000);  // 07:00 UTC
  EXPECT_EQ(StandardZoneOffsetWest(), -10800);
}

TEST(MakeLocalTime, HandlesTheDaylightSavingChange) {
  ScopedTimeZone zone("America/New_York");
  EXPECT_EQ(StandardZoneOffsetWest(), 18000);
  // 14 March 2021: 01:59:59 EST is followed by 03:00:00 EDT.
  const auto before = MakeLocalTime({2021, 3, 14, 1, 59, 59});
  const auto after = MakeLocalTime({2021, 3, 14, 3, 0, 0});
  ASSERT_TRUE(before && after);
  EXPECT_EQ(*after - *before, 1);
  EXPECT_EQ(FormatLocalTime(*after, L"%d.%m.%Y %H:%M:%S"), L"14.03.2021 03:00:00");
  // Summer time: four hours behind UTC.
  EXPECT_EQ(MakeLocalTime({2021, 7, 1, 8, 0, 0}), 1625140800);
}

TEST(LocalTimeMemo, GivesWhatTheLibraryGivesAcrossTheClockChanges) {
  // New York moves an hour on the hour; Lord Howe Island half an hour. Every
  // minute of both days of change, each zone, compared with a fresh call. The
  // hour repeated in autumn is left out: which of its two instants the
  // library picks depends on its earlier calls.
  struct Change {
    const char* zone;
    CalendarFields spring, autumn;
    int repeatedHour;
  };
  for (const Change& change : {Change{"America/New_York", {2021, 3, 14}, {2021, 11, 7}, 1},
                               Change{"Australia/Lord_Howe", {2021, 10, 3}, {2021, 4, 4}, 1}}) {
    ScopedTimeZone zone(change.zone);
    LocalTimeMemo memo;
    for (const CalendarFields& day : {change.spring, change.autumn})
      for (int minute = 0; minute < 24 * 60; ++minute) {
        const CalendarFields f{day.year, day.month, day.day, minute / 60, minute % 60, 17};
        if (&day == &change.autumn && f.hour == change.repeatedHour) continue;
        EXPECT_EQ(memo.Convert(f), MakeLocalTime(f))
            << change.zone << " " << f.hour << ":" << f.minute;
      }
  }
}

TEST(FieldsInRange, AcceptsOnlyTheHeaderRanges) {
  EXPECT_TRUE(FieldsInRange({1970, 1, 1, 0, 0, 0}));
  EXPECT_TRUE(FieldsInRange({2024, 12, 31, 23, 59, 59}));
  for (const CalendarFields f : {CalendarFields{1969, 12, 31, 0, 0, 0},
                                 {2024, 0, 1, 0, 0, 0},
                                 {2024, 13, 1, 0, 0, 0},
                                 {2024, 1, 0, 0, 0, 0},
                                 {2024, 1, 32, 0, 0, 0},
                                 {2024, 1, 1, 24, 0, 0},
                                 {2024, 1, 1, 0, 60, 0},
                                 {2024, 1, 1, 0, 0, 60}})
    EXPECT_FALSE(FieldsInRange(f)) << f.year << '-' << f.month << '-' << f.day;
}

}  // namespace
}  // namespace lumora
