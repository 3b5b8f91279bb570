#include "ui/results_series.h"

#include <algorithm>
#include <numeric>

namespace lumora {

ResultsSeries MakeResultsSeries(const std::vector<GraphHand>& hands) {
  std::vector<size_t> order(hands.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return hands[a].startTime < hands[b].startTime; });
  ResultsSeries series;
  series.won.reserve(hands.size());
  series.allInAdjusted.reserve(hands.size());
  double won = 0, adjusted = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    const GraphHand& hand = hands[order[i]];
    won += hand.wonBigBlinds;
    adjusted += hand.adjustedBigBlinds;
    const float x = static_cast<float>(i + 1);
    series.won.push_back({x, static_cast<float>(won)});
    series.allInAdjusted.push_back({x, static_cast<float>(adjusted)});
  }
  return series;
}

}  // namespace lumora
