#pragma once
// The two plots of a run, built the same way for the result window's graph
// tabs and for the command line's pictures.

#include <string>

#include "app/ror_curve.h"
#include "app/run_settings.h"
#include "ui/plot_model.h"
#include "ui/results_series.h"

namespace lumora {

/// The title of a run's plots: the big-blind list's label of the run's big
/// blind, " - ", and the table-size label ("10 - SH (6-Max)").
std::wstring PlotTitle(const RunSettings& settings);

/// The risk-of-ruin graph: the blue curve with an uncertain win rate first,
/// then the red one with the win rate taken as exact, both axes 0 to 100
/// (bankroll in hundreds of big blinds, risk in percent).
PlotModel MakeRorPlot(const RorCurve& curve, const std::wstring& title);

/// The results graph: net won in big blinds over the hands played, and the
/// all-in adjusted line; the axes span the hands and the lines (and 0).
PlotModel MakeResultsPlot(const ResultsSeries& series, const std::wstring& title);

}  // namespace lumora
