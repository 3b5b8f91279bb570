#pragma once
// The hero's result of every counted hand with what the reports need beside
// it: the record the readers fill and the run's statistics and exports read.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumora {

struct HandResult {
  std::wstring handId;            ///< the hand number as the room writes it; may be empty
  int64_t startTime = 0;          ///< seconds since 1970; 0 when unknown
  int64_t bigBlindCents = 0;      ///< the hand's big blind
  double resultCents = 0.0;       ///< the hero's net result (positive = won)
  std::optional<double> allInEv;  ///< all-in EV in currency units, when one was computed
};

/// The results of one source, in reading order.
using HandResultStore = std::vector<HandResult>;

/// A hand as the results graph needs it, in 24 bytes: the desktop program
/// keeps one for every hand of a run, where a whole HandResult with its hand
/// number would cost a hundred bytes and more.
struct GraphHand {
  int64_t startTime = 0;           ///< seconds since 1970; 0 when unknown
  double wonBigBlinds = 0.0;       ///< the net result in the hand's big blinds
  double adjustedBigBlinds = 0.0;  ///< the same, an all-in hand counted at its EV
};

/// The hand in its big blinds; a hand without a big blind counts 0.
inline GraphHand GraphHandOf(const HandResult& hand) {
  if (hand.bigBlindCents <= 0) return {hand.startTime, 0.0, 0.0};
  const double won = hand.resultCents / hand.bigBlindCents;
  // The EV is in currency units, the big blind in cents.
  const double adjusted = hand.allInEv ? *hand.allInEv * 100.0 / hand.bigBlindCents : won;
  return {hand.startTime, won, adjusted};
}

/// The graph's view of whole hands, in their order.
inline std::vector<GraphHand> GraphHandsOf(const HandResultStore& hands) {
  std::vector<GraphHand> graph;
  graph.reserve(hands.size());
  for (const HandResult& hand : hands) graph.push_back(GraphHandOf(hand));
  return graph;
}

}  // namespace lumora
