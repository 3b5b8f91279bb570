#pragma once
// Summary statistics of a run: total, win rate, deviation, standard error of
// the win rate and Sharpe ratio, from the hero's per-hand results.

#include <cstdint>
#include <vector>

namespace lumora {

struct SummaryStatistics {
  int32_t n = 0;         ///< hands
  double win = 0.0;      ///< total result, currency units (summed in reading order)
  double mean = 0.0;     ///< currency units per hand
  double bb = 0.0;       ///< big blind, currency units
  double winRate = 0.0;  ///< big blinds per 100 hands
  double s = 0.0;        ///< sample deviation of one hand, currency units (0 for one hand)
  double sd100 = 0.0;    ///< deviation per 100 hands, big blinds
  double var100 = 0.0;   ///< variance per 100 hands, big blinds squared
  double sdHand = 0.0;   ///< deviation of one hand, big blinds
  double sw = 0.0;       ///< standard error of the win rate, big blinds per 100 hands
  double sigmaW2 = 0.0;  ///< its square, var100 / n
  double sharpe = 0.0;   ///< winRate / sd100 (plain division: inf or nan with no deviation)
};

/// Total of the results given in cents, in currency units: each result is
/// scaled by 0.01 and the scaled values are added in order from 0.0.
double TotalInCurrency(const std::vector<double>& resultsCents);

/// Every figure above from results in cents and the run's big blind in
/// cents. `resultsCents` must not be empty; the divisions are the plain
/// floating-point ones (a zero big blind gives inf or nan).
SummaryStatistics ComputeSummaryStatistics(const std::vector<double>& resultsCents,
                                           int64_t bigBlindCents);

}  // namespace lumora
