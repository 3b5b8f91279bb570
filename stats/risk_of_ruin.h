#pragma once
// Risk of ruin and the bankroll a risk requires: once with the measured win
// rate taken as exact (ROR), once allowing for its standard error (RORU).
// Win rates in big blinds per 100 hands, variances in big blinds squared per
// 100 hands, bankrolls in big blinds, risks as fractions unless said.

#include <array>
#include <cstdint>

#include "app/ror_curve.h"

namespace lumora {

/// The risk levels of the bankroll report, in percent, in report order.
inline constexpr std::array<double, 9> kRiskLevels = {50, 25, 10, 5, 2, 1, 0.5, 0.1, 0.01};

/// Risk of ruin with an uncertain win rate for bankroll `bankroll`, from the
/// win rate, its variance and the hands it was measured over. When
/// `plainRor` is given it receives the plain risk exp(-2 WR B / V).
double RiskOfRuinU(double winRate, double bankroll, double var100, int32_t hands,
                   double* plainRor = nullptr);

/// The smallest bankroll whose RORU is at most `targetRisk`, to within
/// `tolerance`, searched from the bracket [lowerStart, upperStart].
/// Returns +infinity when RORU can never come down to the target (it never
/// falls below (erf(-WR/sw) + 1) / 2, the part owed to a possibly
/// non-positive true win rate), or when the bracket cannot be found; NaN
/// when an argument is NaN. Always ends: every search loop is bounded.
double BankrollForRORU(double lowerStart, double upperStart, double tolerance, double winRate,
                       double targetRisk, double var100, int32_t hands);

/// The bankroll (big blinds) whose plain risk of ruin is `risk`:
/// -V ln(risk) / (2 WR), computed as ln(risk) * -(V * 0.5 / WR) so that the
/// report and the calculator print the same figures.
double BankrollForROR(double risk, double winRate, double var100);

/// The two curves for bankrolls of 100 to 10000 big blinds: y in percent,
/// both 100 everywhere for a win rate of 0 or less, and cut to 0 once a risk
/// has fallen below 0.1%.
RorCurve ComputeRorCurves(double winRate, double var100, int32_t hands);

/// One line of the bankroll report.
struct BankrollLine {
  double riskPercent = 0.0;
  double rorBankroll = 0.0;   ///< big blinds
  double roruBankroll = 0.0;  ///< big blinds
};

/// The bankroll for each of the nine risk levels; `roruBankroll` searched
/// from [ROR bankroll, 2 x ROR bankroll] with tolerance 1 big blind.
std::array<BankrollLine, 9> ComputeBankrollTable(double winRate, double var100, int32_t hands);

}  // namespace lumora
