// The results graph with a million hands: the graph must stay fluid, so one
// repaint (thinning the lines to a few points per pixel column, then
// drawing) should take well under the 50 ms a player notices. Drawn into an
// image, as the command line's pictures are; the window draws the same.

#include <benchmark/benchmark.h>
#include <wx/image.h>
#include <wx/init.h>

#include <random>

#include "ui/plot_figures.h"
#include "ui/plot_render.h"

namespace lumora {
namespace {

ResultsSeries MillionHands() {
  std::mt19937 random(11);
  std::normal_distribution<double> result(0.05, 10.0);  // big blinds a hand
  HandResultStore hands(1000000);
  for (size_t i = 0; i < hands.size(); ++i) {
    hands[i].startTime = static_cast<int64_t>(i);
    hands[i].bigBlindCents = 10;
    hands[i].resultCents = result(random) * 10;
    if (i % 50 == 0) hands[i].allInEv = result(random) * 0.1;
  }
  return MakeResultsSeries(GraphHandsOf(hands));
}

void ThinningForOneRepaint(benchmark::State& state) {
  PlotModel plot = MakeResultsPlot(MillionHands(), L"10 - All");
  plot.Layout(1000, 600, {24, 50, 16});
  for (auto _ : state)
    for (int i = 0; i < 2; ++i) benchmark::DoNotOptimize(plot.DrawnPoints(i));
}
BENCHMARK(ThinningForOneRepaint)->Unit(benchmark::kMillisecond);

void DrawingTheWholeGraph(benchmark::State& state) {
  wxInitializer wx;
  PlotModel plot = MakeResultsPlot(MillionHands(), L"10 - All");
  for (auto _ : state) benchmark::DoNotOptimize(RenderPlotImage(plot, wxSize(1000, 600)));
}
BENCHMARK(DrawingTheWholeGraph)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora

BENCHMARK_MAIN();
