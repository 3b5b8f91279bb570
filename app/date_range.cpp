#include "app/date_range.h"

#include <utility>

#include "app/profile.h"
#include "app/profile_keys.h"
#include "base/local_time.h"
#include "base/text.h"

namespace lumora {
namespace {

// Local midnight of day `day` of `month` in `year`. Day numbers outside the
// month carry into its neighbours ("0.3.2026" is the last of February), so
// a week that began last month or a tomorrow in the next one needs no care
// here. Going by the calendar instead of adding 86400-second days keeps the
// ends on midnight across a daylight-saving change, when a day has 23 or 25
// hours.
std::optional<int64_t> Midnight(int day, int month, int year) {
  return GetTimeFromString(Format(L"%d.%d.%d 00:00:00", day, month, year));
}

std::optional<DateRange> RangeOf(std::optional<int64_t> from, std::optional<int64_t> to) {
  if (!from || !to) return std::nullopt;
  return DateRange{*from, *to};
}

// One end as the profile keeps it; a missing or unreadable text takes the
// default text instead.
std::pair<std::wstring, int64_t> LoadEnd(const Profile& profile, const keys::StringKey& key,
                                         const std::wstring& defaultText) {
  std::wstring text = profile.ReadString(key.name, key.defaultValue);
  std::optional<int64_t> time = text.empty() ? std::nullopt : GetTimeFromString(text);
  if (!time) {
    text = defaultText;
    time = GetTimeFromString(text);
  }
  return {text, time.value_or(0)};
}

}  // namespace

std::optional<std::wstring> FormatRangeEnd(int64_t time) {
  return FormatLocalTime(time, L"%d.%m.%Y %H:%M:%S");
}

DateRangeTexts LoadDateRange(const Profile& profile, int64_t now) {
  const CalendarFields today = ToLocalDate(now).value_or(LocalDate{}).fields;
  const auto [fromText, from] =
      LoadEnd(profile, keys::kTimeFrom, Format(L"01.%02d.%4d 00:00:00", today.month, today.year));
  const auto [toText, to] =
      LoadEnd(profile, keys::kTimeTo,
              Format(L"%02d.%02d.%4d 00:00:00", today.day, today.month, today.year));
  return {{from, to}, fromText, toText};
}

std::optional<DateRange> ComputePresetRange(DatePreset preset, int64_t now) {
  const std::optional<LocalDate> date = ToLocalDate(now);
  if (!date) return std::nullopt;
  const int y = date->fields.year;
  const int m = date->fields.month;
  const int d = date->fields.day;
  const int sunday = d - date->weekday;  // day number of this week's Sunday, may be <= 0
  const auto firstOf = [](int month, int year) { return Midnight(1, month, year); };
  switch (preset) {
    case DatePreset::kAllDates:
      return RangeOf(GetTimeFromString(kEarliestRangeEnd), GetTimeFromString(kLatestRangeEnd));
    case DatePreset::kThisYear:
      return RangeOf(firstOf(1, y), firstOf(1, y + 1));
    case DatePreset::kLastYear:
      return RangeOf(firstOf(1, y - 1), firstOf(1, y));
    case DatePreset::kThisMonth:
      return RangeOf(firstOf(m, y), m == 12 ? firstOf(1, y + 1) : firstOf(m + 1, y));
    case DatePreset::kLastMonth:
      return RangeOf(m == 1 ? firstOf(12, y - 1) : firstOf(m - 1, y), firstOf(m, y));
    case DatePreset::kThisWeek:
      return RangeOf(Midnight(sunday, m, y), Midnight(sunday + 7, m, y));
    case DatePreset::kLastWeek:
      return RangeOf(Midnight(sunday - 7, m, y), Midnight(sunday, m, y));
    case DatePreset::kToday:
      return RangeOf(Midnight(d, m, y), Midnight(d + 1, m, y));
    case DatePreset::kYesterday:
      return RangeOf(Midnight(d - 1, m, y), Midnight(d, m, y));
    case DatePreset::kCustom:
      break;
  }
  return std::nullopt;
}

std::optional<DateRangeTexts> ApplyDateRange(Profile& profile, DateRange& target, int64_t from,
                                             int64_t to) {
  std::optional<std::wstring> fromText = FormatRangeEnd(from);
  std::optional<std::wstring> toText = FormatRangeEnd(to);
  if (!fromText || !toText) return std::nullopt;
  target = {from, to};
  profile.WriteString(keys::kTimeFrom.name, *fromText);
  profile.WriteString(keys::kTimeTo.name, *toText);
  return DateRangeTexts{target, std::move(*fromText), std::move(*toText)};
}

}  // namespace lumora
