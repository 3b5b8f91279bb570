#pragma once
// The results graph of a run: the hero's cumulative net won in big blinds
// over the hands he played, in time order, and the same with every all-in
// hand counted at its EV instead of its result, the line that shows how
// much of the swing was luck.

#include <vector>

#include "app/hand_results.h"
#include "ui/plot_model.h"

namespace lumora {

struct ResultsSeries {
  std::vector<PlotPoint> won;            ///< x = hands played (1..n), y = big blinds won so far
  std::vector<PlotPoint> allInAdjusted;  ///< the same with all-in hands at their EV
};

/// The two lines of `hands`, sorted by start time (hands of equal or unknown
/// time keep their run order). Each hand counts in its own big blinds; a hand
/// without a big blind adds nothing.
ResultsSeries MakeResultsSeries(const std::vector<GraphHand>& hands);

}  // namespace lumora
