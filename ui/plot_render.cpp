#include "ui/plot_render.h"

#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/wfstream.h>

#include <memory>
#include <numbers>

#include "base/text.h"
#include "ui/plot_model.h"
#include "ui/wx_convert.h"

namespace lumora {
namespace {

/// The spacing unit of the layout, a window caption's height. Fixed rather
/// than asked of the system, so that a picture drawn without a display is
/// the one the window shows.
constexpr int kCaptionHeight = 24;

const wxColour kGrid(220, 220, 220);
const wxColour kLight(255, 255, 255);
const wxColour kShade(128, 128, 128);

/// A bold sans-serif font of `points`. Named and sized in points: a font
/// without a name, or sized in pixels, asks the desktop for its default,
/// and there may be no desktop.
wxFont PlotFont(double points) {
  return wxFont(wxFontInfo(points).Family(wxFONTFAMILY_SWISS).FaceName("Sans").Bold());
}

/// The legend shows a name on one line.
wxString OneLine(const std::wstring& name) {
  wxString line;
  for (wxString word : wxSplit(ToWx(name), '\n', '\0')) {
    word.Trim().Trim(false);
    if (!word.empty()) line << (line.empty() ? "" : " ") << word;
  }
  return line;
}

class Painter {
 public:
  explicit Painter(wxGraphicsContext& gc) : m_gc(gc) {}

  wxSize Extent(const wxString& text) {
    double w = 0, h = 0;
    m_gc.GetTextExtent(text, &w, &h);
    return wxSize(static_cast<int>(w + 0.5), static_cast<int>(h + 0.5));
  }
  void TextAt(const wxString& text, int left, int top) { m_gc.DrawText(text, left, top); }
  /// Text whose right end and bottom are (right, bottom).
  void TextRightBottom(const wxString& text, int right, int bottom) {
    const wxSize e = Extent(text);
    TextAt(text, right - e.x, bottom - e.y);
  }
  void TextCentreBottom(const wxString& text, int centre, int bottom) {
    const wxSize e = Extent(text);
    TextAt(text, centre - e.x / 2, bottom - e.y);
  }
  void Line(int x1, int y1, int x2, int y2, const wxColour& colour,
            wxPenStyle style = wxPENSTYLE_SOLID) {
    m_gc.SetPen(m_gc.CreatePen(wxGraphicsPenInfo(colour).Style(style)));
    m_gc.StrokeLine(x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5);
  }
  void Fill(const PixelRect& r, const wxColour& colour) {
    m_gc.SetPen(*wxTRANSPARENT_PEN);
    m_gc.SetBrush(wxBrush(colour));
    m_gc.DrawRectangle(r.left, r.top, r.width, r.height);
  }
  void Frame(const PixelRect& r, const wxColour& colour, wxPenStyle style = wxPENSTYLE_SOLID) {
    m_gc.SetPen(m_gc.CreatePen(wxGraphicsPenInfo(colour).Style(style)));
    m_gc.SetBrush(*wxTRANSPARENT_BRUSH);
    m_gc.DrawRectangle(r.left + 0.5, r.top + 0.5, r.width - 1, r.height - 1);
  }
  /// A raised edge looks lit from the top left; a sunken one the other way.
  void Edge(const PixelRect& r, bool raised) {
    const wxColour& lit = raised ? kLight : kShade;
    const wxColour& dark = raised ? kShade : kLight;
    Line(r.left, r.top, r.right() - 1, r.top, lit);
    Line(r.left, r.top, r.left, r.bottom() - 1, lit);
    Line(r.left, r.bottom() - 1, r.right() - 1, r.bottom() - 1, dark);
    Line(r.right() - 1, r.top, r.right() - 1, r.bottom() - 1, dark);
  }
  /// A padlock, shut (and filled) when the axis is locked; open, its
  /// shackle lifted, when not.
  void Lock(const PixelRect& r, bool locked) {
    const double u = r.width / 8.0;
    const double lift = locked ? 0 : 1.5 * u;
    m_gc.SetPen(m_gc.CreatePen(wxGraphicsPenInfo(*wxBLACK).Width(std::max(1.0, u * 0.8))));
    m_gc.SetBrush(*wxTRANSPARENT_BRUSH);
    m_gc.DrawRoundedRectangle(r.left + 2 * u, r.top + 0.5 * u - lift, 4 * u, 6 * u, 2 * u);
    m_gc.SetBrush(locked ? *wxBLACK_BRUSH : *wxWHITE_BRUSH);
    m_gc.DrawRectangle(r.left + u, r.top + 3.5 * u, 6 * u, 4 * u);
  }
  wxGraphicsContext& gc() { return m_gc; }

 private:
  wxGraphicsContext& m_gc;
};

void DrawSeries(Painter& p, const PlotModel& plot, int index) {
  const CPlotData& series = plot.series()[index];
  const std::vector<PlotPoint> points = plot.DrawnPoints(index);
  if (points.empty()) return;
  wxGraphicsContext& gc = p.gc();
  const wxColour colour = ToWx(series.colour);
  if (series.style == SeriesStyle::kBars) {
    const int bottom = plot.layout().plot.bottom();
    for (size_t i = 0; i < points.size(); ++i) {
      const PixelPoint at = plot.ToPixel(points[i]);
      // The last bar is as wide as the one before it.
      const int width = i + 1 < points.size() ? plot.ToPixel(points[i + 1]).x - at.x
                        : i > 0               ? at.x - plot.ToPixel(points[i - 1]).x
                                              : 1;
      p.Fill({at.x, at.y, std::max(width, 1), bottom - at.y}, colour);
    }
    return;
  }
  wxGraphicsPath path = gc.CreatePath();
  const PixelPoint first = plot.ToPixel(points.front());
  path.MoveToPoint(first.x, first.y);
  for (size_t i = 1; i < points.size(); ++i) {
    const PixelPoint at = plot.ToPixel(points[i]);
    path.AddLineToPoint(at.x, at.y);
  }
  gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(colour).Width(2).Join(wxJOIN_ROUND)));
  gc.StrokePath(path);
}

}  // namespace

void RenderPlot(wxGraphicsContext& gc, PlotModel& plot, const wxSize& size) {
  Painter p(gc);
  const wxFont tickFont = PlotFont(10);
  const wxFont titleFont = PlotFont(12.5);  // 1.25 times the tick font
  gc.SetFont(tickFont, *wxBLACK);
  const wxSize sample = p.Extent(ToWx(plot.TickSample()));
  const PlotLayout& l = plot.Layout(size.x, size.y, {kCaptionHeight, sample.x, sample.y});
  const PixelRect& area = l.plot;
  const int hover = plot.hover();

  p.Fill(l.client, *wxWHITE);
  p.Edge(l.client, false);

  gc.SetFont(titleFont, *wxBLACK);
  const int middleY = area.top + area.height / 2;
  const wxSize yTitle = p.Extent(ToWx(plot.yTitle));
  gc.DrawText(ToWx(plot.yTitle), l.outer.left + l.m - yTitle.y, middleY + yTitle.x / 2,
              std::numbers::pi / 2);
  const int middleX = area.left + area.width / 2;
  p.TextCentreBottom(ToWx(plot.xTitle), middleX, l.outer.bottom());
  p.TextCentreBottom(ToWx(plot.title), middleX, area.top - 2 * l.q);

  gc.SetFont(tickFont, *wxBLACK);
  for (const Tick& t : plot.XTicks()) {
    p.TextRightBottom(Format(L"%.0f", t.value), t.pixel, area.bottom() + l.r + sample.y);
    p.Line(t.pixel, area.top, t.pixel, area.bottom(), kGrid);
  }
  for (const Tick& t : plot.YTicks()) {
    p.TextRightBottom(Format(L"%.0f", t.value), area.left - l.r, t.pixel);
    p.Line(area.left, t.pixel, area.right(), t.pixel, kGrid);
  }
  const std::pair<int, const PixelRect*> limits[] = {{kHoverXMin, &l.xMinLabel},
                                                     {kHoverXMax, &l.xMaxLabel},
                                                     {kHoverYMin, &l.yMinLabel},
                                                     {kHoverYMax, &l.yMaxLabel}};
  for (const auto& [flag, rect] : limits)
    if (hover & flag) p.Edge(*rect, true);
  p.Frame(area, *wxBLACK);
  p.Lock(l.xLock, plot.xLocked());
  p.Lock(l.yLock, plot.yLocked());
  if (hover & kHoverXLock) p.Edge(l.xLock.Inflated(2), true);
  if (hover & kHoverYLock) p.Edge(l.yLock.Inflated(2), true);

  for (size_t i = 0; i < l.legendRows.size(); ++i) {
    const PixelRect& row = l.legendRows[i];
    p.Fill({row.left + 4, row.top + 4, sample.y - 4, row.height - 9},
           ToWx(plot.series()[i].colour));
    p.TextAt(OneLine(plot.series()[i].name), row.left + sample.y + 4, row.top + 2);
    if (static_cast<int>(i) == plot.selected())
      p.Edge(row, false);
    else if (static_cast<int>(i) == plot.hoveredSeries())
      p.Edge(row, true);
  }

  if (plot.selected() >= 0) {
    const CPlotData& s = plot.series()[plot.selected()];
    if (plot.tracked() >= 0) {
      const PlotPoint at = s.points[plot.tracked()];
      p.TextAt(Format(L"Position: %0.3f    Value: %0.3f", at.x, at.y), l.status.left, l.status.top);
    }
    p.TextRightBottom(Format(L"Mean: %0.3f    Min: %0.3f    Max: %0.3f", s.yMean, s.yMin, s.yMax),
                      l.status.right(), l.status.bottom());
  }

  gc.Clip(area.left, area.top, area.width, area.height);
  for (size_t i = 0; i < plot.series().size(); ++i) DrawSeries(p, plot, static_cast<int>(i));
  if (plot.dragging()) {
    const PixelPoint a = plot.dragStart(), b = plot.dragNow();
    p.Frame(
        {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x) + 1, std::abs(b.y - a.y) + 1},
        *wxBLACK, wxPENSTYLE_DOT);
  } else if (plot.selected() >= 0 && plot.tracked() >= 0) {
    const PixelPoint at = plot.ToPixel(plot.series()[plot.selected()].points[plot.tracked()]);
    p.Line(area.left, at.y, area.right(), at.y, *wxBLACK, wxPENSTYLE_DOT);
    p.Line(at.x, area.top, at.x, area.bottom(), *wxBLACK, wxPENSTYLE_DOT);
  }
  gc.ResetClip();
}

wxImage RenderPlotImage(PlotModel& plot, const wxSize& size) {
  wxImage image(size);
  {
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
    if (gc) RenderPlot(*gc, plot, size);
  }  // the context writes the picture back into the image as it goes
  return image;
}

bool SavePlotPng(PlotModel& plot, const wxSize& size, const std::filesystem::path& path) {
  // A handler of its own, not one added to wxImage's list: that list is
  // emptied by a module of wx's core library, which lumora-cli's picture
  // module, loaded after wx started, never runs.
  wxPNGHandler png;
  wxFileOutputStream file(path.string());
  if (!file.IsOk()) return false;
  wxImage image = RenderPlotImage(plot, size);
  return png.SaveFile(&image, file, false) && file.Close();
}

}  // namespace lumora
