#include "ui/custom_date_range.h"

#include "app/date_range.h"
#include "base/text.h"

namespace lumora {
namespace {

// Day numbers past the end of a month carry into the next one in the time
// parse, so "the day after" needs no calendar of its own.
std::optional<int64_t> Midnight(int day, int month, int year) {
  return GetTimeFromString(Format(L"%02d.%02d.%4d 00:00:00", day, month, year));
}

std::optional<int64_t> At(const CalendarFields& f) {
  return GetTimeFromString(
      Format(L"%02d.%02d.%4d %02d:%02d:%02d", f.day, f.month, f.year, f.hour, f.minute, f.second));
}

std::optional<DateRange> RangeOf(std::optional<int64_t> from, std::optional<int64_t> to) {
  if (!from || !to) return std::nullopt;
  return DateRange{*from, *to};
}

}  // namespace

std::optional<DateRange> CustomRange(const CustomRangeInput& in) {
  const CalendarFields& d = in.day;
  switch (in.page) {
    case CustomRangePage::kMonth:
      return RangeOf(Midnight(1, in.month, in.year), in.month == 12
                                                         ? Midnight(1, 1, in.year + 1)
                                                         : Midnight(1, in.month + 1, in.year));
    case CustomRangePage::kDay:
      return RangeOf(Midnight(d.day, d.month, d.year), Midnight(d.day + 1, d.month, d.year));
    case CustomRangePage::kBefore:
      return RangeOf(GetTimeFromString(kEarliestRangeEnd), Midnight(d.day, d.month, d.year));
    case CustomRangePage::kAfter:
      return RangeOf(Midnight(d.day, d.month, d.year), GetTimeFromString(kLatestRangeEnd));
    case CustomRangePage::kBetween:
      return RangeOf(At(in.start), At(in.end));
  }
  return std::nullopt;
}

}  // namespace lumora
