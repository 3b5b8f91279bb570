#pragma once
// The contents of the settings lists (room, table size, big blind, tracker)
// and the conversions between a list entry and the value a run uses.

#include <array>
#include <cstdint>
#include <string_view>

namespace lumora {

extern const std::array<std::wstring_view, 5> kRoomLabels;
extern const std::array<std::wstring_view, 5> kTableSizeLabels;
extern const std::array<std::wstring_view, 20> kBigBlindLabels;
extern const std::array<std::wstring_view, 4> kDataSourceLabels;
extern const std::array<std::wstring_view, 3> kCurrencyWords;  ///< "USD", "EUR", "GBP"

/// Top of the big-blind range in cents; the tracker filter for "All" bounds
/// the big blind by one more than this.
inline constexpr int32_t kBigBlindRangeTop = 1000000;

/// A big-blind label's big blind in cents: "All" gives 0, a label that
/// starts with "$" the whole number after it times 100 ("$1 = 100" gives
/// 100), any other label its whole number of cents ("25" gives 25).
int32_t BigBlindFromLabel(std::wstring_view label);

/// The value of big-blind list entry `index`; an index outside the list
/// gives the value of entry 0.
int32_t BigBlindFromIndex(int32_t index);

/// The index of the big-blind list entry worth `cents`, or -1 when none is.
int32_t BigBlindIndexFromCents(int32_t cents);

/// Index of `label` in `list`, or -1.
template <std::size_t N>
int32_t IndexOfLabel(const std::array<std::wstring_view, N>& list, std::wstring_view label) {
  for (std::size_t i = 0; i < N; ++i)
    if (list[i] == label) return static_cast<int32_t>(i);
  return -1;
}

/// The short table-size label of the comparison's column titles: "HU",
/// "3-max", "SH", "FR", and "All" for table size 4.
std::wstring_view ComparisonTableLabel(int32_t numPl);

}  // namespace lumora
