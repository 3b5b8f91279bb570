#include "stats/risk_of_ruin.h"

#include <cmath>
#include <limits>

namespace lumora {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

/// Below this probability (0.1%) the curves are drawn as 0: the graph cannot
/// show it, and the rest of the curve is of no interest once it is reached.
constexpr double kCurveCutOff = 0.001;
/// "Previous point" before the first one: larger than any probability.
constexpr double kNoPreviousPoint = 10.0;

/// Bracket steps before the search gives up. A target above the floor of
/// RORU is met within a few hundred steps from any sensible start; the bound
/// only stops starts like 0 or a negative bankroll from running forever.
constexpr int kMaxBracketSteps = 10000;
/// Halvings before the search stops; more than enough to shrink any finite
/// interval of doubles to adjacent values.
constexpr int kMaxHalvings = 4096;

/// Standard error of the win rate (big blinds per 100 hands) and its square.
struct WinRateError {
  double sw;
  double sigmaW2;
};

WinRateError ErrorOfWinRate(double var100, int32_t hands) {
  return {std::sqrt(var100) / std::sqrt(static_cast<double>(hands)), var100 / hands};
}

/// The first term of RORU, which no bankroll reduces: it accounts for the
/// chance that the true win rate is not positive, and then ruin is certain.
/// RORU never falls below it.
double RuinWithoutEdge(double winRate, double sw) {
  return (std::erf(-winRate / sw) + 1.0) * 0.5;
}

/// (a + 1) / 2 · g with g = exp(exponent), evaluated so that an overflowing
/// g cannot turn the product into inf · 0 = NaN. When a + 1 is 0 the product
/// is 0 whatever g is; when g overflows although a + 1 is not 0, the product
/// is taken through logarithms. Otherwise it is the plain product.
double ScaledTail(double a, double g, double exponent) {
  const double half = (a + 1.0) * 0.5;
  if (half == 0.0) return 0.0;
  if (std::isinf(g) && std::isfinite(exponent)) return std::exp(std::log(half) + exponent);
  return half * g;
}

}  // namespace

double RiskOfRuinU(double winRate, double bankroll, double var100, int32_t hands,
                   double* plainRor) {
  const double e = winRate * (-2.0) * bankroll / var100;
  if (plainRor != nullptr) *plainRor = std::exp(e);

  const WinRateError err = ErrorOfWinRate(var100, hands);
  const double a = std::erf((winRate - 2.0 * bankroll * err.sigmaW2 / var100) / err.sw);
  const double exponent = 2.0 * bankroll * bankroll * err.sigmaW2 / (var100 * var100) + e;
  const double g = std::exp(exponent);
  return RuinWithoutEdge(winRate, err.sw) + ScaledTail(a, g, exponent);
}

double BankrollForRORU(double lowerStart, double upperStart, double tolerance, double winRate,
                       double targetRisk, double var100, int32_t hands) {
  if (std::isnan(lowerStart) || std::isnan(upperStart) || std::isnan(tolerance) ||
      std::isnan(winRate) || std::isnan(targetRisk) || std::isnan(var100))
    return kNaN;
  // RORU only approaches its floor, so a target at or below it (every target
  // of 50% or less when the win rate is not positive) needs an infinite
  // bankroll. The comparison is false for a NaN floor (negative hands) too.
  if (!(targetRisk > RuinWithoutEdge(winRate, ErrorOfWinRate(var100, hands).sw))) return kInfinity;

  const auto risk = [&](double bankroll) { return RiskOfRuinU(winRate, bankroll, var100, hands); };

  // The lower end must carry a risk above the target; move it toward 0.
  double lo = lowerStart;
  for (int i = 0; i < kMaxBracketSteps && risk(lo) < targetRisk; ++i) lo *= 0.9;

  // The upper end must carry a risk at or below the target. Growing by 10%
  // only works from a positive bankroll.
  double hi = upperStart;
  if (!(hi > 0.0) && risk(hi) > targetRisk) hi = 1.0;
  for (int i = 0; risk(hi) > targetRisk; ++i) {
    if (i == kMaxBracketSteps || std::isinf(hi)) return kInfinity;
    hi *= 1.1;
  }

  for (int i = 0; i < kMaxHalvings && std::fabs(hi - lo) > tolerance; ++i) {
    const double mid = (lo + hi) * 0.5;
    if (mid == lo || mid == hi) break;  // no double lies between them
    if (risk(mid) > targetRisk)
      lo = mid;
    else
      hi = mid;
  }
  return hi;
}

double BankrollForROR(double risk, double winRate, double var100) {
  return std::log(risk) * -(var100 * 0.5 / winRate);
}

RorCurve ComputeRorCurves(double winRate, double var100, int32_t hands) {
  RorCurve curve;
  double prevRor = kNoPreviousPoint;
  double prevRoru = kNoPreviousPoint;
  for (int k = 1; k <= kRorCurvePoints; ++k) {
    const double bankroll = 100.0 * k;
    // Without a positive win rate ruin is certain at every bankroll.
    double ror = 1.0;
    double roru = 1.0;
    if (winRate > 0.0) {
      if (prevRor < kCurveCutOff) {
        ror = 0.0;
        roru = 0.0;
      } else {
        roru = RiskOfRuinU(winRate, bankroll, var100, hands, &ror);
        if (ror < kCurveCutOff || prevRoru < kCurveCutOff) roru = 0.0;
      }
    }
    curve.ror[k - 1] = {static_cast<float>(k), static_cast<float>(ror * 100.0)};
    curve.roru[k - 1] = {static_cast<float>(k), static_cast<float>(roru * 100.0)};
    prevRor = ror;
    prevRoru = roru;
  }
  return curve;
}

std::array<BankrollLine, 9> ComputeBankrollTable(double winRate, double var100, int32_t hands) {
  std::array<BankrollLine, 9> table;
  for (size_t i = 0; i < kRiskLevels.size(); ++i) {
    const double risk = kRiskLevels[i] * 0.01;
    const double ror = BankrollForROR(risk, winRate, var100);
    table[i] = {kRiskLevels[i], ror,
                BankrollForRORU(ror, 2.0 * ror, 1.0, winRate, risk, var100, hands)};
  }
  return table;
}

}  // namespace lumora
