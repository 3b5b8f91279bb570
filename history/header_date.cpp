#include "history/header_date.h"

namespace lumora {
namespace {

/// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

/// The fields from their texts, each read as _wtoi reads it.
CalendarFields FieldsFromTexts(std::wstring_view year, std::wstring_view month,
                               std::wstring_view day, std::wstring_view hour,
                               std::wstring_view minute, std::wstring_view second) {
  return {ParseInt(year), ParseInt(month),  ParseInt(day),
          ParseInt(hour), ParseInt(minute), ParseInt(second)};
}

}  // namespace

CalendarFields FieldsFromCaptures(const ScanCaptures& captures, int first) {
  return FieldsFromCaptures(captures, first, first + 1, first + 2, first + 3, first + 4, first + 5);
}

CalendarFields FieldsFromCaptures(const ScanCaptures& captures, int year, int month, int day,
                                  int hour, int minute, int second) {
  return FieldsFromTexts(captures[year], captures[month], captures[day], captures[hour],
                         captures[minute], captures[second]);
}

CalendarFields FieldsFromCaptures(const LineMatch& match, int first) {
  return FieldsFromCaptures(match, first, first + 1, first + 2, first + 3, first + 4, first + 5);
}

CalendarFields FieldsFromCaptures(const LineMatch& match, int year, int month, int day, int hour,
                                  int minute, int second) {
  return FieldsFromTexts(CaptureView(match, year), CaptureView(match, month),
                         CaptureView(match, day), CaptureView(match, hour),
                         CaptureView(match, minute), CaptureView(match, second));
}

std::optional<int64_t> HeaderLocalTime(const CalendarFields& fields, LocalTimeMemo* memo) {
  if (!FieldsInRange(fields)) return std::nullopt;
  return memo ? memo->Convert(fields) : MakeLocalTime(fields);
}

std::optional<int64_t> HeaderTimeAtOffset(const CalendarFields& f, int64_t secondsWestOfUtc) {
  if (!FieldsInRange(f)) return std::nullopt;
  // Day 31 of a shorter month runs on into the next, as mktime would have it.
  return DaysFromCivil(f.year, f.month, 1) * 86400 + (f.day - 1) * 86400 + f.hour * 3600 +
         f.minute * 60 + f.second + secondsWestOfUtc;
}

}  // namespace lumora
