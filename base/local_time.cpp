#include "base/local_time.h"

#include <chrono>
#include <ctime>
#include <cwchar>

#include "base/text.h"

namespace lumora {

bool FieldsInRange(const CalendarFields& f) {
  return f.year >= 1970 && f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= 31 &&
         f.hour >= 0 && f.hour <= 23 && f.minute >= 0 && f.minute <= 59 && f.second >= 0 &&
         f.second <= 59;
}

std::optional<int64_t> MakeLocalTime(const CalendarFields& f) {
  std::tm tm{};
  tm.tm_year = f.year - 1900;
  tm.tm_mon = f.month - 1;
  tm.tm_mday = f.day;
  tm.tm_hour = f.hour;
  tm.tm_min = f.minute;
  tm.tm_sec = f.second;
  tm.tm_isdst = -1;
  // mktime returns -1 both for failure and for one second before 1970 UTC;
  // it only fills the weekday on success.
  tm.tm_wday = -1;
  const std::time_t t = std::mktime(&tm);
  if (tm.tm_wday == -1) return std::nullopt;
  return static_cast<int64_t>(t);
}

std::optional<int64_t> LocalTimeMemo::Convert(const CalendarFields& f) {
  // Minutes and seconds out of range carry into another hour: the library
  // normalises those.
  if (f.minute < 0 || f.minute > 59 || f.second < 0 || f.second > 59) return MakeLocalTime(f);
  if (f.year != m_hour.year || f.month != m_hour.month || f.day != m_hour.day ||
      f.hour != m_hour.hour) {
    m_hour = {f.year, f.month, f.day, f.hour, 0, 0};
    m_hourStart = MakeLocalTime(m_hour);
    const std::optional<int64_t> last = MakeLocalTime({f.year, f.month, f.day, f.hour, 59, 59});
    m_steady = m_hourStart && last && *last - *m_hourStart == 3599;
  }
  if (!m_steady) return MakeLocalTime(f);
  return *m_hourStart + f.minute * 60 + f.second;
}

std::optional<LocalDate> ToLocalDate(int64_t time) {
  const std::time_t t = static_cast<std::time_t>(time);
  std::tm tm{};
  if (localtime_r(&t, &tm) == nullptr) return std::nullopt;
  LocalDate date;
  date.fields = {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
  date.weekday = tm.tm_wday;
  return date;
}

std::optional<std::wstring> FormatLocalTime(int64_t time, const wchar_t* format) {
  const std::time_t t = static_cast<std::time_t>(time);
  std::tm tm{};
  if (localtime_r(&t, &tm) == nullptr) return std::nullopt;
  wchar_t buffer[256];
  const size_t n = std::wcsftime(buffer, std::size(buffer), format, &tm);
  return std::wstring(buffer, n);
}

namespace {

/// The fields of "dd.mm.yyyy HH:MM:SS" as written, each a whole number.
std::optional<CalendarFields> DateTimeFields(std::wstring_view text) {
  int values[6];
  const wchar_t separators[5] = {L'.', L'.', L' ', L':', L':'};
  text = TrimView(text);
  size_t pos = 0;
  for (int k = 0; k < 6; ++k) {
    if (k > 0) {
      if (pos >= text.size() || text[pos] != separators[k - 1]) return std::nullopt;
      ++pos;
      while (k == 3 && pos < text.size() && text[pos] == L' ') ++pos;
    }
    const size_t start = pos;
    if (pos < text.size() && text[pos] == L'-') ++pos;
    const size_t digits = pos;
    while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9') ++pos;
    if (pos == digits || pos - digits > 9) return std::nullopt;
    values[k] = ParseInt(text.substr(start, pos - start));
  }
  if (pos != text.size()) return std::nullopt;
  return CalendarFields{values[2], values[1], values[0], values[3], values[4], values[5]};
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<int64_t> GetTimeFromString(std::wstring_view text) {
  const std::optional<CalendarFields> fields = DateTimeFields(text);
  return fields ? MakeLocalTime(*fields) : std::nullopt;
}

std::optional<int64_t> ReadExistingDateTime(std::wstring_view text) {
  const std::optional<CalendarFields> f = DateTimeFields(text);
  if (!f || !FieldsInRange(*f) || f->day > DaysInMonth(f->year, f->month)) return std::nullopt;
  return MakeLocalTime(*f);
}

long StandardZoneOffsetWest() {
  tzset();
  return timezone;
}

int64_t NowSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace lumora
