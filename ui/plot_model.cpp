#include "ui/plot_model.h"

#include <algorithm>
#include <cmath>

#include "base/text.h"

namespace lumora {
namespace {

/// Limit labels in the order of the layout's rectangles.
constexpr int kLimits[] = {kHoverXMin, kHoverXMax, kHoverYMin, kHoverYMax};

int Pixels(double value) {
  return static_cast<int>(value);  // truncated toward zero, like the grid
}

/// `divisions` + 1 grid lines from `min` to `max`, the first at pixel
/// `origin` and the last `span` pixels on (negative: upward).
std::vector<Tick> Ticks(float min, float max, int divisions, int origin, int span) {
  std::vector<Tick> ticks;
  for (int i = 0; i <= divisions; ++i)
    ticks.push_back({min + i * (max - min) / divisions, origin + i * span / divisions});
  return ticks;
}

}  // namespace

bool PixelRect::Contains(PixelPoint p) const {
  return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
}

CPlotData::CPlotData(std::wstring name, uint32_t colour, std::vector<PlotPoint> points,
                     SeriesStyle style)
    : name(std::move(name)), colour(colour), points(std::move(points)), style(style) {
  if (this->points.empty()) return;
  const auto [left, right] = std::minmax_element(this->points.begin(), this->points.end(),
                                                 [](auto a, auto b) { return a.x < b.x; });
  const auto [low, high] = std::minmax_element(this->points.begin(), this->points.end(),
                                               [](auto a, auto b) { return a.y < b.y; });
  xMin = left->x;
  xMax = right->x;
  yMin = low->y;
  yMax = high->y;
  double sum = 0;
  for (const PlotPoint& p : this->points) sum += p.y;
  yMean = static_cast<float>(sum / this->points.size());
  sortedByX = std::is_sorted(this->points.begin(), this->points.end(),
                             [](auto a, auto b) { return a.x < b.x; });
}

PlotModel::PlotModel() {
  m_history.push_back(m_range);
}

void PlotModel::AddSeries(CPlotData series) {
  Widen(series);
  m_series.push_back(std::move(series));
  m_selected = static_cast<int>(m_series.size()) - 1;
}

void PlotModel::Widen(const CPlotData& s) {
  if (s.points.empty()) return;
  if (!m_xLocked) {
    m_range.xMin = std::min(m_range.xMin, s.xMin);
    m_range.xMax = std::max(m_range.xMax, s.xMax);
  }
  if (!m_yLocked) {
    m_range.yMin = std::min(m_range.yMin, s.yMin);
    m_range.yMax = std::max(m_range.yMax, s.yMax);
  }
}

bool PlotModel::SetXRange(float min, float max) {
  if (m_xLocked || (m_range.xMin == min && m_range.xMax == max)) return false;
  m_range.xMin = min;
  m_range.xMax = max;
  return true;
}

bool PlotModel::SetYRange(float min, float max) {
  if (m_yLocked || (m_range.yMin == min && m_range.yMax == max)) return false;
  m_range.yMin = min;
  m_range.yMax = max;
  return true;
}

float PlotModel::Limit(int limit) const {
  switch (limit) {
    case kHoverXMin:
      return m_range.xMin;
    case kHoverXMax:
      return m_range.xMax;
    case kHoverYMin:
      return m_range.yMin;
    default:
      return m_range.yMax;
  }
}

void PlotModel::SetLimit(int limit, float value) {
  const AxisRange& r = m_range;
  if (limit == kHoverXMin) SetXRange(value, r.xMax);
  if (limit == kHoverXMax) SetXRange(r.xMin, value);
  if (limit == kHoverYMin) SetYRange(value, r.yMax);
  if (limit == kHoverYMax) SetYRange(r.yMin, value);
}

void PlotModel::SaveRange() {
  if (m_history.size() == kZoomHistory) m_history.erase(m_history.begin());
  m_history.push_back(m_range);
}

void PlotModel::ZoomTo(PixelPoint start, PixelPoint end) {
  const PixelRect& plot = m_layout.plot;
  const int left = std::min(start.x, end.x), right = std::max(start.x, end.x);
  const int top = std::min(start.y, end.y), bottom = std::max(start.y, end.y);
  if (right - left < 2 || bottom - top < 2 || plot.width <= 0 || plot.height <= 0) return;
  SaveRange();
  const AxisRange old = m_range;
  // Pixels to values by the plot's own scale, so the new range is what was
  // dragged over; it never grows past the old one.
  const double xScale = (double(old.xMax) - old.xMin) / plot.width;
  const double yScale = (double(old.yMax) - old.yMin) / plot.height;
  if (!m_xLocked) {
    m_range.xMin = std::max(old.xMin, float((left - plot.left) * xScale + old.xMin));
    m_range.xMax = std::min(old.xMax, float((right - plot.left) * xScale + old.xMin));
  }
  if (!m_yLocked) {
    m_range.yMin = std::max(old.yMin, float((plot.bottom() - bottom) * yScale + old.yMin));
    m_range.yMax = std::min(old.yMax, float((plot.bottom() - top) * yScale + old.yMin));
  }
}

void PlotModel::ZoomOut() {
  const AxisRange saved = m_history.back();
  if (m_history.size() > 1) m_history.pop_back();
  if (!m_xLocked) {
    m_range.xMin = saved.xMin;
    m_range.xMax = saved.xMax;
  }
  if (!m_yLocked) {
    m_range.yMin = saved.yMin;
    m_range.yMax = saved.yMax;
  }
}

std::wstring PlotModel::TickSample() const {
  const size_t digits =
      std::max(Format(L"%.0f", m_range.yMin).size(), Format(L"%.0f", m_range.yMax).size());
  return std::wstring(digits + 3, L'9');
}

const PlotLayout& PlotModel::Layout(int width, int height, const PlotMetrics& metrics) {
  PlotLayout& l = m_layout;
  const int h = metrics.captionHeight, cx = metrics.tickWidth, cy = metrics.tickHeight;
  l.m = h + 4;
  l.q = l.m / 2;
  l.r = l.q / 2;
  l.client = {0, 0, width, height};
  const int legendBand = kLegendBandPerSeries * static_cast<int>(m_series.size());
  l.outer = PixelRect{0, 0, width, height - legendBand}.Inflated(-5);
  const int left = l.outer.left + l.m + l.r + cx;
  const int top = l.outer.top + 4 * l.q + cy;
  const int right = l.outer.right() - l.m;
  const int bottom = l.outer.bottom() - (l.q + l.m + l.r + cy);
  l.plot = {left, top, std::max(right - left, 1), std::max(bottom - top, 1)};
  l.status = {left, top - cy, l.plot.width, cy};

  // Limit labels: y labels end r pixels left of the plot, their bottoms on
  // the grid line; x labels end on their grid line, r + cy below the plot.
  const int xLabelBottom = l.plot.bottom() + l.r + cy;
  const auto xLabel = [&](int x) {
    return PixelRect{x - cx, xLabelBottom - cy, cx, cy}.Inflated(2);
  };
  const auto yLabel = [&](int y) { return PixelRect{left - l.r - cx, y - cy, cx, cy}.Inflated(2); };
  l.xMinLabel = xLabel(l.plot.left);
  l.xMaxLabel = xLabel(l.plot.right());
  l.yMinLabel = yLabel(l.plot.bottom());
  l.yMaxLabel = yLabel(l.plot.top);
  l.xLock = {l.plot.right() + l.r, xLabelBottom - cy, cy, cy};
  l.yLock = {left - l.r - cy, l.status.top - cy - l.r, cy, cy};

  l.legendRows.clear();
  if (HasLegend()) {
    size_t longest = 5;
    for (const CPlotData& s : m_series) longest = std::max(longest, s.name.size());
    const int legendWidth = static_cast<int>(longest) * h / 2;
    const int legendLeft = l.plot.left + (l.plot.width - legendWidth) / 2;
    int y = l.outer.bottom() + 10;
    for (size_t i = 0; i < m_series.size(); ++i, y += cy + 4)
      l.legendRows.push_back({legendLeft, y, legendWidth, cy + 4});
  }
  return l;
}

std::vector<Tick> PlotModel::XTicks() const {
  const PixelRect& p = m_layout.plot;
  return Ticks(m_range.xMin, m_range.xMax, kXDivisions, p.left, p.width);
}

std::vector<Tick> PlotModel::YTicks() const {
  const PixelRect& p = m_layout.plot;
  return Ticks(m_range.yMin, m_range.yMax, kYDivisions, p.bottom(), -p.height);
}

PixelPoint PlotModel::ToPixel(PlotPoint point) const {
  const PixelRect& p = m_layout.plot;
  const AxisRange& r = m_range;
  return {p.left + Pixels((double(point.x) - r.xMin) * p.width / (double(r.xMax) - r.xMin)),
          p.bottom() - Pixels((double(point.y) - r.yMin) * p.height / (double(r.yMax) - r.yMin))};
}

std::vector<PlotPoint> PlotModel::DrawnPoints(int index) const {
  const CPlotData& s = m_series.at(index);
  // Below four points a column, drawing them all costs nothing.
  if (!s.sortedByX || s.points.size() <= 4u * m_layout.plot.width) return s.points;
  return ReduceToColumns(s.points, m_range.xMin, m_range.xMax, m_layout.plot.width);
}

int PlotModel::TrackAt(int x) const {
  if (m_selected < 0) return -1;
  const std::vector<PlotPoint>& points = m_series[m_selected].points;
  const auto atOrRight = [&](const PlotPoint& p) { return ToPixel(p).x >= x; };
  if (m_series[m_selected].sortedByX) {
    const auto found = std::partition_point(points.begin(), points.end(),
                                            [&](const PlotPoint& p) { return !atOrRight(p); });
    return found == points.end() ? -1 : static_cast<int>(found - points.begin());
  }
  const auto found = std::find_if(points.begin(), points.end(), atOrRight);
  return found == points.end() ? -1 : static_cast<int>(found - points.begin());
}

int PlotModel::HitTest(PixelPoint at, int& series) const {
  const PlotLayout& l = m_layout;
  int flags = 0;
  const PixelRect* labels[] = {&l.xMinLabel, &l.xMaxLabel, &l.yMinLabel, &l.yMaxLabel};
  for (int i = 0; i < 4; ++i)
    if (labels[i]->Contains(at)) flags |= kLimits[i];
  if (l.xLock.Contains(at)) flags |= kHoverXLock;
  if (l.yLock.Contains(at)) flags |= kHoverYLock;
  if (l.plot.Contains(at)) flags |= kHoverPlot;
  series = -1;
  for (size_t i = 0; i < l.legendRows.size(); ++i)
    if (l.legendRows[i].Contains(at)) {
      flags |= kHoverLegend;
      series = static_cast<int>(i);
    }
  return flags;
}

PlotChanges PlotModel::MouseMove(PixelPoint at) {
  PlotChanges changes;
  if (m_dragging) {
    m_dragNow = at;
    if (m_layout.plot.Contains(at)) m_dragMoved = true;
    changes.repaint = true;
  }
  int series = -1;
  const int hover = HitTest(at, series);
  if (hover != m_hover || series != m_hoveredSeries) changes.repaint = true;
  m_hover = hover;
  m_hoveredSeries = series;
  const int tracked = (hover & kHoverPlot) ? TrackAt(at.x) : m_tracked;
  if (tracked != m_tracked) {
    m_tracked = tracked;
    changes.trackedChanged = changes.repaint = true;
  }
  return changes;
}

PlotChanges PlotModel::LeftDown(PixelPoint at) {
  PlotChanges changes;
  m_dragging = true;
  m_dragMoved = false;
  m_dragStart = m_dragNow = at;
  if ((m_hover & kHoverLegend) && m_hoveredSeries >= 0 && m_hoveredSeries != m_selected) {
    m_selected = m_hoveredSeries;
    m_tracked = -1;
    changes.seriesSelected = changes.repaint = true;
  }
  return changes;
}

PlotChanges PlotModel::LeftUp(PixelPoint at, bool editOpen) {
  PlotChanges changes;
  changes.repaint = true;
  if (m_dragging && m_dragMoved) {
    const AxisRange before = m_range;
    if (at.y >= m_dragStart.y)
      ZoomTo(m_dragStart, at);
    else
      ZoomOut();
    changes.rangeChanged = !(before == m_range);
  } else {
    int series = -1;
    const int hover = HitTest(at, series);
    const bool xLabel = hover & (kHoverXMin | kHoverXMax);
    const bool yLabel = hover & (kHoverYMin | kHoverYMax);
    if ((xLabel && !m_xLocked) || (yLabel && !m_yLocked))
      changes.editLimit = hover & (kHoverXMin | kHoverXMax | kHoverYMin | kHoverYMax);
    else if (hover & kHoverXLock)
      m_xLocked = !m_xLocked;
    else if (hover & kHoverYLock)
      m_yLocked = !m_yLocked;
    else if (editOpen)
      changes.commitEdit = true;
  }
  m_dragging = false;
  return changes;
}

std::vector<PlotPoint> ReduceToColumns(const std::vector<PlotPoint>& points, float xMin, float xMax,
                                       int columns) {
  std::vector<PlotPoint> kept;
  if (points.empty() || columns <= 0 || !(xMax > xMin)) return points;
  const double perColumn = columns / (double(xMax) - xMin);
  const auto columnOf = [&](const PlotPoint& p) {
    return std::clamp(static_cast<long>(std::floor((p.x - xMin) * perColumn)), -1L, long(columns));
  };
  for (size_t begin = 0; begin < points.size();) {
    const long column = columnOf(points[begin]);
    size_t end = begin + 1;
    size_t low = begin, high = begin;
    for (; end < points.size() && columnOf(points[end]) == column; ++end) {
      if (points[end].y < points[low].y) low = end;
      if (points[end].y > points[high].y) high = end;
    }
    // In x order, each point once.
    size_t picks[] = {begin, std::min(low, high), std::max(low, high), end - 1};
    for (size_t i = 0; i < 4; ++i)
      if (i == 0 || picks[i] != picks[i - 1]) kept.push_back(points[picks[i]]);
    begin = end;
  }
  return kept;
}

}  // namespace lumora
