#pragma once
// The line plot without a window (CLinePlot draws it): its series, the axis
// ranges with their locks and zoom history, the pixel layout of a plot of a
// given size, tick values, hit-testing, the tracked point, and what a mouse
// gesture does. Drawing reads the layout; the mouse handlers feed gestures
// in. Nothing here knows wx, so tests call it directly.

#include <cstdint>
#include <string>
#include <vector>

namespace lumora {

struct PlotPoint {
  float x = 0.0f;
  float y = 0.0f;
};

struct PixelPoint {
  int x = 0;
  int y = 0;
};

/// A rectangle of pixels; right() and bottom() lie just outside it.
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool Contains(PixelPoint p) const;
  PixelRect Inflated(int by) const {
    return {left - by, top - by, width + 2 * by, height + 2 * by};
  }
};

enum class SeriesStyle { kLine, kBars };

/// One series (CPlotData): a copy of its points and their statistics.
struct CPlotData {
  /// `colour` as 0xRRGGBB. The statistics are worked out here: x and y
  /// ranges, and the mean of y summed in double precision (all 0 without
  /// points).
  CPlotData(std::wstring name, uint32_t colour, std::vector<PlotPoint> points,
            SeriesStyle style = SeriesStyle::kLine);

  std::wstring name;
  uint32_t colour = 0;
  std::vector<PlotPoint> points;
  SeriesStyle style = SeriesStyle::kLine;
  float xMin = 0, xMax = 0, yMin = 0, yMax = 0, yMean = 0;
  bool sortedByX = true;  ///< lets tracking search and drawing thin out the points
};

struct AxisRange {
  float xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  bool operator==(const AxisRange&) const = default;
};

/// The text sizes the layout depends on, as the renderer measures them.
struct PlotMetrics {
  int captionHeight = 24;  ///< the system's window-caption height: spacing and legend widths
  int tickWidth = 0;       ///< width and height of the tick-label sample (TickSample)
  int tickHeight = 0;
};

/// Where everything goes in a plot of a given size.
struct PlotLayout {
  PixelRect client;  ///< the whole control
  PixelRect outer;   ///< client less the legend band, inset by 5
  PixelRect plot;    ///< the data area
  PixelRect status;  ///< the band above the plot: position and statistics
  PixelRect xMinLabel, xMaxLabel, yMinLabel, yMaxLabel;  ///< hit areas of the limit labels
  PixelRect xLock, yLock;                                ///< the lock boxes
  std::vector<PixelRect> legendRows;                     ///< one per series when a legend shows
  int m = 0, q = 0, r = 0;                               ///< spacing: caption + 4, half, quarter
};

/// A grid line: the value it stands for and its pixel along its axis.
struct Tick {
  float value = 0;
  int pixel = 0;
};

/// What the pointer is over.
enum PlotHover : int {
  kHoverLegend = 1,
  kHoverPlot = 2,
  kHoverXMin = 4,
  kHoverXMax = 8,
  kHoverYMin = 16,
  kHoverYMax = 32,
  kHoverXLock = 64,
  kHoverYLock = 128,
};

/// What a gesture changed, for the control to repaint and tell its parent.
struct PlotChanges {
  bool repaint = false;
  bool seriesSelected = false;  ///< notification 1124
  bool rangeChanged = false;    ///< notification 1125
  bool trackedChanged = false;  ///< notification 1126
  int editLimit = 0;            ///< a kHover*Min/Max label to edit in place, or 0
  bool commitEdit = false;      ///< a click elsewhere ends the edit in place
};

class PlotModel {
 public:
  static constexpr int kXDivisions = 20;
  static constexpr int kYDivisions = 10;
  static constexpr int kLegendBandPerSeries = 25;
  static constexpr std::size_t kZoomHistory = 50;

  /// Range -5..100 by -10..10, saved as the zoom history's first entry.
  PlotModel();

  std::wstring title;
  std::wstring xTitle = L"X Axis - bb/100";
  std::wstring yTitle = L"Y Axis";

  /// Appends a series and selects it; each unlocked axis widens to take in
  /// its points.
  void AddSeries(CPlotData series);
  const std::vector<CPlotData>& series() const { return m_series; }
  int selected() const { return m_selected; }
  bool HasLegend() const { return m_series.size() >= 2; }

  const AxisRange& range() const { return m_range; }
  /// Set one axis' range unless it is locked; false when nothing changed.
  bool SetXRange(float min, float max);
  bool SetYRange(float min, float max);
  bool xLocked() const { return m_xLocked; }
  bool yLocked() const { return m_yLocked; }
  /// Sets the limit of label `limit` (kHoverXMin ... kHoverYMax), as the
  /// edit in place does; a locked axis keeps its range.
  void SetLimit(int limit, float value);
  float Limit(int limit) const;

  /// Zooms each unlocked axis to the rectangle dragged from `start` to `end`
  /// within the plot, after saving the range in the history (50 entries, the
  /// oldest dropped). A rectangle thinner than 2 pixels changes nothing.
  void ZoomTo(PixelPoint start, PixelPoint end);
  /// Restores the newest saved range on each unlocked axis and steps the
  /// history back; its first entry stays.
  void ZoomOut();

  /// The text whose size PlotMetrics' tick sizes hold: nines, three more
  /// than the longer of the y limits written with "%.0f".
  std::wstring TickSample() const;
  /// Lays the plot out in `width` x `height` pixels and keeps the layout
  /// for drawing, hit-testing and gestures.
  const PlotLayout& Layout(int width, int height, const PlotMetrics& metrics);
  const PlotLayout& layout() const { return m_layout; }

  /// Grid lines and their labels: kXDivisions + 1 and kYDivisions + 1, the
  /// first and last at the plot's edges.
  std::vector<Tick> XTicks() const;
  std::vector<Tick> YTicks() const;
  /// A point's pixel in the current layout and range.
  PixelPoint ToPixel(PlotPoint point) const;

  /// The points of series `index` to draw: all of them, or for a series
  /// that has more than a few per pixel column, per column its first, least,
  /// greatest and last point, so that no extreme is lost.
  std::vector<PlotPoint> DrawnPoints(int index) const;

  // The pointer, as the mouse handlers report it.
  PlotChanges MouseMove(PixelPoint at);
  PlotChanges LeftDown(PixelPoint at);
  PlotChanges LeftUp(PixelPoint at, bool editOpen);

  int hover() const { return m_hover; }
  int hoveredSeries() const { return m_hoveredSeries; }
  /// The point of the selected series the crosshair follows, or -1.
  int tracked() const { return m_tracked; }
  bool dragging() const { return m_dragging; }
  PixelPoint dragStart() const { return m_dragStart; }
  PixelPoint dragNow() const { return m_dragNow; }

 private:
  void SaveRange();
  void Widen(const CPlotData& series);
  int TrackAt(int x) const;
  int HitTest(PixelPoint at, int& series) const;

  std::vector<CPlotData> m_series;
  AxisRange m_range{-5, 100, -10, 10};
  std::vector<AxisRange> m_history;
  bool m_xLocked = false;
  bool m_yLocked = false;
  int m_selected = -1;
  PlotLayout m_layout;
  int m_hover = 0;
  int m_hoveredSeries = -1;
  int m_tracked = -1;
  bool m_dragging = false;
  bool m_dragMoved = false;
  PixelPoint m_dragStart, m_dragNow;
};

/// Thins `points` (sorted by x) for drawing across `columns` pixel columns
/// of the x range [xMin, xMax]: per column its first, least, greatest and
/// last point, in x order. Points left or right of the range share one
/// column on each side, so that the line still leaves the plot.
std::vector<PlotPoint> ReduceToColumns(const std::vector<PlotPoint>& points, float xMin, float xMax,
                                       int columns);

}  // namespace lumora
