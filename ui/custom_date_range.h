#pragma once
// The "Custom Date Range" dialog's pages and the range each gives when the
// player presses OK. The dialog only shows the pickers; the range is worked
// out here.

#include <optional>

#include "app/run_settings.h"
#include "base/local_time.h"

namespace lumora {

/// The dialog's pages, in tab order.
enum class CustomRangePage { kMonth, kDay, kBefore, kAfter, kBetween };

/// What the pickers hold when OK is pressed.
struct CustomRangeInput {
  CustomRangePage page = CustomRangePage::kMonth;
  int month = 1;  ///< "Month": 1..12
  int year = 2000;
  CalendarFields day;    ///< "Day", "Before", "After": the picked date (its time is not used)
  CalendarFields start;  ///< "Between": date and time of both ends
  CalendarFields end;
};

/// The first year the "Month" page offers; the last is the current one.
inline constexpr int kFirstCustomYear = 2000;

/// The range of the active page, both ends local times: "Month" from the
/// first of the month to the first of the next (1 January of the next year
/// after December); "Day" from the day's midnight to the next midnight (by
/// the calendar, so a 23- or 25-hour day still ends at midnight); "Before"
/// from the earliest range end to the day's midnight; "After" from the day's
/// midnight to the latest range end; "Between" from start to end as picked.
/// nullopt when an end has no local time.
std::optional<DateRange> CustomRange(const CustomRangeInput& input);

}  // namespace lumora
