#pragma once
// Date ranges: the presets of "Select date range", the text form of a range
// end shown on the ribbon and kept in the profile, and the range restored at
// start-up. Both ends count as inside the range where a run compares times.

#include <cstdint>
#include <optional>
#include <string>

#include "app/run_settings.h"

namespace lumora {

class Profile;

/// The menu's presets in order (command id - 32787).
enum class DatePreset {
  kAllDates = 0,
  kThisYear,
  kLastYear,
  kThisMonth,
  kLastMonth,
  kThisWeek,
  kLastWeek,
  kToday,
  kYesterday,
  kCustom,
};

inline constexpr const wchar_t* kEarliestRangeEnd = L"02.01.1970 00:00:00";
inline constexpr const wchar_t* kLatestRangeEnd = L"01.01.3000 00:00:00";

/// The text form of a range end: "%d.%m.%Y %H:%M:%S" of its local time
/// ("05.12.2026 00:00:00"); nullopt when the time has no local time.
std::optional<std::wstring> FormatRangeEnd(int64_t time);

/// A range with the texts the ribbon labels show.
struct DateRangeTexts {
  DateRange range;
  std::wstring fromText;
  std::wstring toText;
};

/// The range kept in the profile ("TimeFrom", "TimeTo"). A missing end, or
/// one whose text is not "dd.mm.yyyy HH:MM:SS", takes its default at `now`
/// (seconds since 1970): the first of the current month at 00:00:00 for the
/// start, today at 00:00:00 for the end; the texts are then the default
/// texts. Nothing is written to the profile.
DateRangeTexts LoadDateRange(const Profile& profile, int64_t now);

/// The range of a preset at `now` (seconds since 1970), both ends local
/// midnights: years and months start on their first day; weeks run from
/// Sunday to the next Sunday, days from midnight to the next midnight, taken
/// from the calendar so that a day of 23 or 25 hours at a daylight-saving
/// change still ends at midnight. nullopt for kCustom (the dialog's range)
/// and when `now` has no local time.
std::optional<DateRange> ComputePresetRange(DatePreset preset, int64_t now);

/// Stores the range in `target` and writes both ends' texts to the profile
/// (a failed write leaves the stored range and the returned texts as they
/// are). Returns the two texts, or nullopt when an end has no local time;
/// then nothing is stored or written.
std::optional<DateRangeTexts> ApplyDateRange(Profile& profile, DateRange& target, int64_t from,
                                             int64_t to);

}  // namespace lumora
