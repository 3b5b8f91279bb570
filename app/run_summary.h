#pragma once
// The figures of the last run, read by the result windows and the calculator.

#include <cstdint>

namespace lumora {

struct RunSummary {
  int32_t m_nHands = 0;        ///< hands that reached the statistics
  int32_t m_nAllInHands = 0;   ///< hands that reached the all-in evaluation
  double m_dWin = 0.0;         ///< total net result, currency units
  double m_dWinRate = 0.0;     ///< big blinds per 100 hands
  double m_dSD = 0.0;          ///< standard deviation of one hand, big blinds
  double m_dVar = 0.0;         ///< variance per 100 hands, big blinds squared
  double m_dAllInWin = 0.0;    ///< actual results of the all-in hands, currency units
  double m_dAllInEV = 0.0;     ///< their EVs (0 for a hand without an equity)
  double m_dAllInDiff = 0.0;   ///< their differences (0 for a hand without an equity)
  double m_dAllInWinBB = 0.0;  ///< the same three sums in big blinds,
  double m_dAllInEVBB = 0.0;   ///< each hand divided by its own big blind
  double m_dAllInDiffBB = 0.0;

  /// Zeroes the all-in count and sums at the start of a run.
  void ResetAllIn();
};

}  // namespace lumora
