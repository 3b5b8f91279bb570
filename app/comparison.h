#pragma once
// The figures of a comparison of two analysed limits, as the task pane shows
// them (computed by stats/limit_comparison.h).

#include <cstdint>

namespace lumora {

struct Comparison {
  int32_t bb1 = 0;  ///< run big blinds in cents of the two limits
  int32_t bb2 = 0;
  int32_t numPl1 = 0;
  int32_t numPl2 = 0;
  double sharpe1 = 0.0;  ///< mu / sigma per 100 hands
  double sharpe2 = 0.0;
  double mix1 = 0.0;  ///< percent of play for each limit; the two add up to 100
  double mix2 = 0.0;
  double cutoff =
      0.0;  ///< currency units (plain division: nan or inf when the win amounts are equal)
  bool show = false;  ///< the map holds more than one entry, so there is something to draw
};

}  // namespace lumora
