#include "ui/plot_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace lumora {
namespace {

constexpr PlotMetrics kMetrics{24, 40, 14};

std::vector<PlotPoint> Line(int count, float step = 1) {
  std::vector<PlotPoint> points;
  for (int i = 1; i <= count; ++i) points.push_back({i * step, i * step});
  return points;
}

/// A plot as the risk-of-ruin graph starts: one series, both axes 0..100.
PlotModel Graph() {
  PlotModel plot;
  plot.AddSeries({L"risk", 0x0000FF, Line(100)});
  plot.SetXRange(0, 100);
  plot.SetYRange(0, 100);
  plot.Layout(900, 400, kMetrics);
  return plot;
}

void Drag(PlotModel& plot, PixelPoint from, PixelPoint to) {
  plot.MouseMove(from);
  plot.LeftDown(from);
  plot.MouseMove({(from.x + to.x) / 2, (from.y + to.y) / 2});
  plot.MouseMove(to);
  plot.LeftUp(to, false);
}

PixelPoint Inside(const PlotModel& plot, double fx, double fy) {
  const PixelRect& p = plot.layout().plot;
  return {p.left + int(p.width * fx), p.top + int(p.height * fy)};
}

TEST(PlotModel, OneZoomInAndTwoZoomOutsGoBackToTheFirstRange) {
  PlotModel plot = Graph();
  Drag(plot, Inside(plot, 0.25, 0.25), Inside(plot, 0.5, 0.75));
  EXPECT_NEAR(plot.range().xMin, 25, 0.5);
  EXPECT_NEAR(plot.range().xMax, 50, 0.5);
  EXPECT_NEAR(plot.range().yMin, 25, 0.5);
  EXPECT_NEAR(plot.range().yMax, 75, 0.5);
  Drag(plot, Inside(plot, 0.5, 0.75), Inside(plot, 0.25, 0.25));  // upward: back out
  EXPECT_EQ(plot.range(), (AxisRange{0, 100, 0, 100}));
  Drag(plot, Inside(plot, 0.5, 0.75), Inside(plot, 0.25, 0.25));
  EXPECT_EQ(plot.range(), (AxisRange{-5, 100, -10, 10}));  // the history's first entry
}

TEST(PlotModel, ALockedAxisKeepsItsRangeOnAddAndOnZoom) {
  PlotModel plot = Graph();
  const PixelRect& lock = plot.layout().xLock;
  const PixelPoint onLock{lock.left + lock.width / 2, lock.top + lock.height / 2};
  plot.MouseMove(onLock);
  plot.LeftDown(onLock);
  plot.LeftUp(onLock, false);
  ASSERT_TRUE(plot.xLocked());
  plot.AddSeries({L"far", 0xFF0000, {{-50, -50}, {500, 500}}});
  EXPECT_EQ(plot.range(), (AxisRange{0, 100, -50, 500}));
  Drag(plot, Inside(plot, 0.25, 0.25), Inside(plot, 0.5, 0.75));
  EXPECT_EQ(plot.range().xMin, 0);
  EXPECT_EQ(plot.range().xMax, 100);
  EXPECT_LT(plot.range().yMax, 500);
}

TEST(PlotModel, TheTrackedPointIsTheFirstAtOrRightOfThePointer) {
  PlotModel plot;
  plot.AddSeries({L"ten", 0, Line(10, 5)});  // x = 5 .. 50
  plot.SetXRange(0, 100);
  plot.Layout(900, 400, kMetrics);
  const int y = Inside(plot, 0, 0.5).y;
  plot.MouseMove({plot.ToPixel({12, 0}).x, y});
  EXPECT_EQ(plot.tracked(), 2);  // x = 15
  plot.MouseMove({plot.ToPixel({50, 0}).x + 1, y});
  EXPECT_EQ(plot.tracked(), -1);  // right of the last point
}

TEST(PlotModel, ALegendOnlyWithTwoSeriesButItsBandAlways) {
  PlotModel plot;
  plot.AddSeries({L"one", 0, Line(3)});
  const PlotLayout& one = plot.Layout(600, 300, kMetrics);
  EXPECT_TRUE(one.legendRows.empty());
  EXPECT_EQ(one.outer.bottom(), 300 - PlotModel::kLegendBandPerSeries - 5);
  plot.AddSeries({L"two", 0, Line(3)});
  EXPECT_EQ(plot.Layout(600, 300, kMetrics).legendRows.size(), 2u);
}

TEST(PlotModel, TicksAndPixelsMeetAtThePlotsEdges) {
  PlotModel plot = Graph();
  const PixelRect& area = plot.layout().plot;
  const auto x = plot.XTicks();
  const auto y = plot.YTicks();
  ASSERT_EQ(x.size(), PlotModel::kXDivisions + 1u);
  ASSERT_EQ(y.size(), PlotModel::kYDivisions + 1u);
  EXPECT_EQ(x.front().pixel, area.left);
  EXPECT_EQ(x.back().pixel, area.right());
  EXPECT_EQ(x[10].value, 50);
  EXPECT_EQ(y.front().pixel, area.bottom());
  EXPECT_EQ(y.back().pixel, area.bottom() - area.height);
  EXPECT_EQ(y.back().value, 100);
  EXPECT_EQ(plot.ToPixel({0, 0}).x, area.left);
  EXPECT_EQ(plot.ToPixel({0, 0}).y, area.bottom());
  EXPECT_EQ(plot.ToPixel({100, 100}).x, area.right());
  EXPECT_EQ(plot.ToPixel({100, 100}).y, area.top);
}

TEST(ReduceToColumns, KeepsEveryColumnsLeastAndGreatestPoint) {
  std::mt19937 random(7);
  std::normal_distribution<float> swing(0, 10);
  std::vector<PlotPoint> points;
  float y = 0;
  for (int i = 0; i < 100000; ++i) points.push_back({i * 0.01f, y += swing(random)});
  const int columns = 200;
  const auto kept = ReduceToColumns(points, 0, 1000, columns);
  EXPECT_LE(kept.size(), 4u * columns);
  const auto column = [&](const PlotPoint& p) {
    return static_cast<int>(std::floor(p.x * (columns / 1000.0)));  // as the plot counts
  };
  std::vector<float> low(columns, 1e30f), high(columns, -1e30f);
  for (const PlotPoint& p : points) {
    low[column(p)] = std::min(low[column(p)], p.y);
    high[column(p)] = std::max(high[column(p)], p.y);
  }
  std::vector<int> found(columns, 0);
  for (const PlotPoint& p : kept)
    found[column(p)] += (p.y == low[column(p)]) + 2 * (p.y == high[column(p)]);
  for (int c = 0; c < columns; ++c) EXPECT_EQ(found[c] & 3, 3) << "column " << c;
}

}  // namespace
}  // namespace lumora
