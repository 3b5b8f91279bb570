#pragma once
// The start time of a hand from the date and time fields of its header.

#include <cstdint>
#include <optional>

#include "base/local_time.h"
#include "history/line_scan.h"
#include "history/pattern.h"

namespace lumora {

/// The six fields from captures `first` .. `first + 5` in the order year,
/// month, day, hour, minute, second.
CalendarFields FieldsFromCaptures(const LineMatch& match, int first);

/// The fields from captures in any order: the capture numbers of year,
/// month, day, hour, minute and second.
CalendarFields FieldsFromCaptures(const LineMatch& match, int year, int month, int day, int hour,
                                  int minute, int second);

/// The six fields from scanned captures `first` .. `first + 5`, in the same
/// order.
CalendarFields FieldsFromCaptures(const ScanCaptures& captures, int first);

/// The fields from scanned captures in any order, numbered as above.
CalendarFields FieldsFromCaptures(const ScanCaptures& captures, int year, int month, int day,
                                  int hour, int minute, int second);

/// The fields as the machine's local time, worked out by `memo` when given
/// (the reader of a file keeps one). nullopt when a field lies outside the
/// header ranges (FieldsInRange) or the time cannot be converted.
std::optional<int64_t> HeaderLocalTime(const CalendarFields& fields, LocalTimeMemo* memo = nullptr);

/// The fields as a time `secondsWestOfUtc` behind UTC, whatever the
/// machine's zone. nullopt when a field lies outside the header ranges.
std::optional<int64_t> HeaderTimeAtOffset(const CalendarFields& fields, int64_t secondsWestOfUtc);

}  // namespace lumora
