#pragma once
// Local calendar time: every conversion between a date written by a room's
// client (or typed by the user) and seconds since 1970 goes through here, so
// that daylight saving and the machine's zone are handled in one place.
// Times are 64-bit seconds since 1970-01-01 00:00:00 UTC.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

/// A date and time as written: year (e.g. 2024), month 1-12, day, hour,
/// minute, second.
struct CalendarFields {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

/// The ranges the hand-history headers must respect: year >= 1970, month
/// 1-12, day 1-31, hour 0-23, minute and second 0-59.
bool FieldsInRange(const CalendarFields& fields);

/// Converts local calendar fields to seconds since 1970, daylight saving
/// decided by the C library (mktime with tm_isdst = -1). Out-of-range fields
/// are normalised as mktime does (day 0 is the last day of the previous
/// month). nullopt when the C library cannot represent the time.
std::optional<int64_t> MakeLocalTime(const CalendarFields& fields);

/// MakeLocalTime for a run of times that mostly share their hour, as the
/// hands of a session do. The C library looks at the zone's rules on every
/// call, under a lock that reading threads would queue on; this asks it
/// twice per hour met and adds the minutes and seconds itself. An hour whose
/// start and end lie 3599 seconds apart keeps one offset from UTC throughout,
/// so the sum is what the library would give; in an hour the clocks change,
/// every time is still asked of the library. One object per thread.
class LocalTimeMemo {
 public:
  std::optional<int64_t> Convert(const CalendarFields& fields);

 private:
  CalendarFields m_hour{-1, 0, 0, 0, 0, 0};  ///< year, month, day and hour met last
  std::optional<int64_t> m_hourStart;
  bool m_steady = false;  ///< one offset from UTC throughout m_hour
};

/// Formats a time as local time with a wcsftime format; nullopt when the time
/// cannot be converted to local time.
std::optional<std::wstring> FormatLocalTime(int64_t time, const wchar_t* format);

/// The local calendar fields of a time, with the weekday (0 = Sunday) beside.
struct LocalDate {
  CalendarFields fields;
  int weekday = 0;
};
std::optional<LocalDate> ToLocalDate(int64_t time);

/// Parses "dd.mm.yyyy HH:MM:SS" (the text form of a date-range end) as local
/// time. Day numbers of zero or below carry into the previous month, so a
/// week that began last month can be written as "-2.12.2026 00:00:00".
/// nullopt when the text does not have that form or cannot be converted.
std::optional<int64_t> GetTimeFromString(std::wstring_view text);

/// GetTimeFromString for a date and time that a person gave: only one that
/// exists is read ("31.02.2024 25:61:61" is none, nor is a year before 1970).
std::optional<int64_t> ReadExistingDateTime(std::wstring_view text);

/// Seconds west of UTC of the machine's standard (winter) time, as the C
/// runtime's timezone variable gives it: -10800 for UTC+3.
long StandardZoneOffsetWest();

/// The current time in seconds since 1970.
int64_t NowSeconds();

}  // namespace lumora
