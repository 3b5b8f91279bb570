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

}  // namespace lumora
