#pragma once
// The two risk-of-ruin curves of the last run, drawn by the graph view.

#include <array>

namespace lumora {

inline constexpr int kRorCurvePoints = 100;

/// x = 1..100 stands for a bankroll of x * 100 big blinds; y is the risk of
/// ruin in percent.
struct RorPoint {
  float x = 0.0f;
  float y = 0.0f;
};

struct RorCurve {
  std::array<RorPoint, kRorCurvePoints> ror{};   ///< win rate taken as exact (red)
  std::array<RorPoint, kRorCurvePoints> roru{};  ///< allowing for its uncertainty (blue)
};

}  // namespace lumora
