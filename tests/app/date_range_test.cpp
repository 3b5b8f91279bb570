#include "app/date_range.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/profile.h"
#include "base/local_time.h"
#include "tests/support/scoped_time_zone.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using testing::ScopedTimeZone;
using testing::TempDir;

// A local time, "dd.mm.yyyy HH:MM:SS".
int64_t At(const wchar_t* text) {
  return GetTimeFromString(text).value();
}

// A preset's range as the ribbon shows it.
std::wstring Preset(DatePreset preset, const wchar_t* now) {
  const std::optional<DateRange> range = ComputePresetRange(preset, At(now));
  if (!range) return L"none";
  return FormatRangeEnd(range->from).value() + L" - " + FormatRangeEnd(range->to).value();
}

TEST(FormatRangeEnd, WritesEveryFieldWithTwoDigits) {
  ScopedTimeZone zone("UTC");
  EXPECT_EQ(FormatRangeEnd(At(L"5.2.2026 7:08:09")), L"05.02.2026 07:08:09");
  EXPECT_FALSE(FormatRangeEnd(std::numeric_limits<int64_t>::max()));
}

TEST(DatePresets, FollowTheCalendar) {
  ScopedTimeZone zone("UTC");
  struct Case {
    DatePreset preset;
    const wchar_t* now;
    const wchar_t* range;
  };
  const Case cases[] = {
      {DatePreset::kAllDates, L"15.12.2026 10:30:00", L"02.01.1970 00:00:00 - 01.01.3000 00:00:00"},
      {DatePreset::kThisYear, L"15.12.2026 10:30:00", L"01.01.2026 00:00:00 - 01.01.2027 00:00:00"},
      {DatePreset::kLastYear, L"15.12.2026 10:30:00", L"01.01.2025 00:00:00 - 01.01.2026 00:00:00"},
      {DatePreset::kThisMonth, L"15.12.2026 10:30:00",
       L"01.12.2026 00:00:00 - 01.01.2027 00:00:00"},
      {DatePreset::kLastMonth, L"15.12.2026 10:30:00",
       L"01.11.2026 00:00:00 - 01.12.2026 00:00:00"},
      {DatePreset::kThisMonth, L"10.01.2027 23:59:59",
       L"01.01.2027 00:00:00 - 01.02.2027 00:00:00"},
      {DatePreset::kLastMonth, L"10.01.2027 00:00:00",
       L"01.12.2026 00:00:00 - 01.01.2027 00:00:00"},
      // Sunday 6 December: the week starts that day.
      {DatePreset::kThisWeek, L"06.12.2026 18:00:00", L"06.12.2026 00:00:00 - 13.12.2026 00:00:00"},
      // Wednesday 2 December: the week began in November.
      {DatePreset::kThisWeek, L"02.12.2026 09:00:00", L"29.11.2026 00:00:00 - 06.12.2026 00:00:00"},
      {DatePreset::kLastWeek, L"02.12.2026 09:00:00", L"22.11.2026 00:00:00 - 29.11.2026 00:00:00"},
      // Saturday 2 January: last week lies wholly in the old year.
      {DatePreset::kLastWeek, L"02.01.2027 12:00:00", L"20.12.2026 00:00:00 - 27.12.2026 00:00:00"},
      {DatePreset::kToday, L"31.12.2026 23:59:59", L"31.12.2026 00:00:00 - 01.01.2027 00:00:00"},
      {DatePreset::kYesterday, L"01.03.2026 08:00:00",
       L"28.02.2026 00:00:00 - 01.03.2026 00:00:00"},
      {DatePreset::kCustom, L"01.03.2026 08:00:00", L"none"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Preset(c.preset, c.now), c.range) << static_cast<int>(c.preset) << " at " << c.now;
}

TEST(DatePresets, EndsStayOnMidnightAcrossDaylightSaving) {
  ScopedTimeZone zone("Europe/Berlin");
  // Clocks went forward on Sunday 29 March 2026: that week is an hour short.
  const auto spring = ComputePresetRange(DatePreset::kThisWeek, At(L"01.04.2026 12:00:00"));
  EXPECT_EQ(FormatRangeEnd(spring->to), L"05.04.2026 00:00:00");
  EXPECT_EQ(spring->to - spring->from, 604800 - 3600);
  // Clocks went back on Sunday 25 October 2026: that day has 25 hours.
  const auto autumn = ComputePresetRange(DatePreset::kToday, At(L"25.10.2026 23:30:00"));
  EXPECT_EQ(FormatRangeEnd(autumn->to), L"26.10.2026 00:00:00");
  EXPECT_EQ(autumn->to - autumn->from, 86400 + 3600);
  EXPECT_EQ(Preset(DatePreset::kYesterday, L"26.10.2026 08:00:00"),
            L"25.10.2026 00:00:00 - 26.10.2026 00:00:00");
}

TEST(LoadDateRange, MissingOrUnreadableEndsRunFromTheFirstOfTheMonthToToday) {
  ScopedTimeZone zone("UTC");
  TempDir dir;
  Profile profile(dir / "lumora.ini");
  DateRangeTexts loaded = LoadDateRange(profile, At(L"07.02.2026 15:45:00"));
  EXPECT_EQ(loaded.fromText + L" - " + loaded.toText, L"01.02.2026 00:00:00 - 07.02.2026 00:00:00");
  EXPECT_EQ(loaded.range.from, At(L"01.02.2026 00:00:00"));
  EXPECT_EQ(loaded.range.to, At(L"07.02.2026 00:00:00"));
  EXPECT_FALSE(std::filesystem::exists(dir / "lumora.ini"));

  profile.WriteString(L"TimeFrom", L"24.12.2025 18:00:00");
  profile.WriteString(L"TimeTo", L"yesterday");
  loaded = LoadDateRange(profile, At(L"07.02.2026 15:45:00"));
  EXPECT_EQ(loaded.fromText + L" - " + loaded.toText, L"24.12.2025 18:00:00 - 07.02.2026 00:00:00");
  EXPECT_EQ(loaded.range.from, At(L"24.12.2025 18:00:00"));
  EXPECT_EQ(loaded.range.to, At(L"07.02.2026 00:00:00"));
}

TEST(ApplyDateRange, StoresTheRangeAndWritesBothTexts) {
  ScopedTimeZone zone("UTC");
  TempDir dir;
  Profile profile(dir / "lumora.ini");
  DateRange target;
  const auto texts =
      ApplyDateRange(profile, target, At(L"1.11.2026 0:00:00"), At(L"3.11.2026 5:06:07"));
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->fromText + L" - " + texts->toText, L"01.11.2026 00:00:00 - 03.11.2026 05:06:07");
  EXPECT_EQ(target.to, At(L"03.11.2026 05:06:07"));
  const DateRange loaded = LoadDateRange(Profile(dir / "lumora.ini"), 0).range;
  EXPECT_EQ(std::pair(loaded.from, loaded.to), std::pair(target.from, target.to));

  // An end without a local time changes nothing.
  EXPECT_FALSE(ApplyDateRange(profile, target, 0, std::numeric_limits<int64_t>::max()));
  EXPECT_EQ(target.to, At(L"03.11.2026 05:06:07"));
  EXPECT_EQ(profile.ReadString(L"TimeFrom", L""), L"01.11.2026 00:00:00");
}

}  // namespace
}  // namespace lumora
