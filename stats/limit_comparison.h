#pragma once
// Comparing two analysed limits: their Sharpe ratios, the mix that shares the
// playing time in proportion to the squared Sharpe ratios, and the cutoff.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/comparison.h"
#include "app/limit_results.h"

namespace lumora {

/// The two limits to compare: big blinds in cents and table-size codes, and
/// the currency both must have been played in.
struct ComparisonChoice {
  int32_t cashLimit1 = 0;
  int32_t numPl1 = 0;
  int32_t cashLimit2 = 0;
  int32_t numPl2 = 0;
  int32_t currency = 0;
};

/// Looks both limits up in `results` and computes the comparison; nullopt
/// when either limit has not been analysed in that currency.
std::optional<Comparison> RefreshComparison(const LimitResultMap& results,
                                            const ComparisonChoice& choice);

/// A column title: "BB%d-%s" with the big blind in cents and the short
/// table-size label ("BB10-SH").
std::wstring ComparisonTitle(int32_t bigBlindCents, int32_t numPl);

/// A comparison as the player reads it: a table of three rows of three cells
/// (the limits' titles over a blank corner, "Sharpe ratio" with "%.2f" of
/// each, "Mix" with "%.1f" of each) and the cutoff line "Cutoff: %.1f USD",
/// which says USD whatever the currency.
struct ComparisonTexts {
  std::array<std::array<std::wstring, 3>, 3> table;
  std::wstring cutoff;
};
ComparisonTexts FormatComparison(const Comparison& comparison);

}  // namespace lumora
