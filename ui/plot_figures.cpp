#include "ui/plot_figures.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "app/settings_lists.h"

namespace lumora {
namespace {

std::vector<PlotPoint> Points(const std::array<RorPoint, kRorCurvePoints>& curve) {
  std::vector<PlotPoint> points;
  for (const RorPoint& p : curve) points.push_back({p.x, p.y});
  return points;
}

/// The smallest range on round grid lines (a step of 1, 2 or 5 times a power
/// of ten) whose `divisions` steps reach from `low` or below to `high` or
/// above.
std::pair<double, double> RoundRange(double low, double high, int divisions) {
  for (double power = std::pow(10.0, std::floor(std::log10(std::max(high - low, 1.0) / divisions)));
       ; power *= 10)
    for (double factor : {1.0, 2.0, 5.0}) {
      const double step = power * factor;
      const double bottom = std::floor(low / step) * step;
      if (bottom + divisions * step >= high) return {bottom, bottom + divisions * step};
    }
}

}  // namespace

std::wstring PlotTitle(const RunSettings& s) {
  const int32_t bigBlind = std::max(BigBlindIndexFromCents(s.CashLimit), 0);
  const std::wstring_view table =
      s.NumPl >= 0 && s.NumPl <= kAllTableSizes ? kTableSizeLabels[s.NumPl] : L"";
  return std::wstring(kBigBlindLabels[bigBlind]) + L" - " + std::wstring(table);
}

PlotModel MakeRorPlot(const RorCurve& curve, const std::wstring& title) {
  PlotModel plot;
  plot.xTitle = L"Bankroll (hundreds of big blinds)";
  plot.yTitle = L"Risk of ruin (%)";
  plot.AddSeries(
      {L"Risk of Ruin with \n Uncertain Win Rates \n(Blue Data)", 0x0000FF, Points(curve.roru)});
  plot.SetXRange(0, 100);
  plot.SetYRange(0, 100);
  plot.AddSeries({L"Risk of Ruin (Red Data)", 0xFF0000, Points(curve.ror)});
  plot.title = title;
  return plot;
}

PlotModel MakeResultsPlot(const ResultsSeries& series, const std::wstring& title) {
  PlotModel plot;
  plot.xTitle = L"Hands played";
  plot.yTitle = L"Net won (big blinds)";
  plot.AddSeries({L"All-in adjusted", 0xE07020, series.allInAdjusted});
  plot.AddSeries({L"Net won", 0x1E8C3C, series.won});  // last: drawn on top and tracked
  float low = 0, high = 0;
  for (const CPlotData& s : plot.series()) {
    low = std::min(low, s.yMin);
    high = std::max(high, s.yMax);
  }
  const auto [bottom, top] = RoundRange(low, high, PlotModel::kYDivisions);
  plot.SetXRange(0, std::max<float>(series.won.size(), 1));
  plot.SetYRange(static_cast<float>(bottom), static_cast<float>(top));
  plot.title = title;
  return plot;
}

}  // namespace lumora
