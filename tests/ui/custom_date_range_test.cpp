#include "ui/custom_date_range.h"

#include <gtest/gtest.h>

#include "app/date_range.h"
#include "tests/support/scoped_time_zone.h"

namespace lumora {
namespace {

using testing::ScopedTimeZone;

std::wstring Text(int64_t time) {
  return FormatRangeEnd(time).value_or(L"?");
}

CustomRangeInput OnPage(CustomRangePage page, CalendarFields day = {2024, 3, 10, 0, 0, 0}) {
  CustomRangeInput input;
  input.page = page;
  input.day = day;
  return input;
}

TEST(CustomRange, DecemberEndsOnTheFirstOfJanuary) {
  ScopedTimeZone zone("UTC");
  CustomRangeInput input = OnPage(CustomRangePage::kMonth);
  input.month = 12;
  input.year = 2023;
  const auto range = CustomRange(input);
  ASSERT_TRUE(range);
  EXPECT_EQ(Text(range->from), L"01.12.2023 00:00:00");
  EXPECT_EQ(Text(range->to), L"01.01.2024 00:00:00");
}

TEST(CustomRange, ADayOf23HoursStillEndsAtMidnight) {
  ScopedTimeZone zone("America/New_York");  // clocks went forward on 10 March 2024
  const auto range = CustomRange(OnPage(CustomRangePage::kDay));
  ASSERT_TRUE(range);
  EXPECT_EQ(range->to - range->from, 23 * 3600);
  EXPECT_EQ(Text(range->to), L"11.03.2024 00:00:00");
}

TEST(CustomRange, BeforeAfterAndBetweenTakeTheFixedEndsAndThePickedTimes) {
  ScopedTimeZone zone("Europe/Moscow");
  const auto before = CustomRange(OnPage(CustomRangePage::kBefore, {2024, 3, 10, 15, 30, 0}));
  const auto after = CustomRange(OnPage(CustomRangePage::kAfter));
  CustomRangeInput between = OnPage(CustomRangePage::kBetween);
  between.start = {2024, 1, 31, 22, 15, 5};
  between.end = {2024, 2, 1, 6, 0, 0};
  const auto both = CustomRange(between);
  ASSERT_TRUE(before && after && both);
  EXPECT_EQ(Text(before->from), kEarliestRangeEnd);
  EXPECT_EQ(Text(before->to), L"10.03.2024 00:00:00");  // the picked time is not used
  EXPECT_EQ(Text(after->from), L"10.03.2024 00:00:00");
  EXPECT_EQ(Text(after->to), kLatestRangeEnd);
  EXPECT_EQ(Text(both->from), L"31.01.2024 22:15:05");
  EXPECT_EQ(Text(both->to), L"01.02.2024 06:00:00");
}

}  // namespace
}  // namespace lumora
