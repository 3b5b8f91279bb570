#pragma once
// The outcome of the all-in evaluation of one hand: its report block for the
// log and the values the run adds to its all-in sums.

#include <string>
#include <vector>

namespace lumora {

/// What the all-in evaluation learnt of one hand that was all in before the
/// river and shown down. Amounts in currency units.
struct AllInHandReport {
  std::vector<std::wstring> logLines;  ///< the report block, one log line each
  double win = 0.0;                    ///< the hero's actual net result
  double ev = 0.0;                     ///< expected value; 0 when no equity was obtained
  double diff = 0.0;                   ///< win minus EV; 0 when no equity was obtained
  double bigBlind = 0.0;               ///< the hand's big blind
  bool hasEv = false;                  ///< an equity was obtained
};

}  // namespace lumora
