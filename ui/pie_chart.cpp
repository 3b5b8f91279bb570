#include "ui/pie_chart.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace lumora {
namespace {

double Share(double value) {
  return std::isfinite(value) && value > 0.0 ? value : 0.0;
}

}  // namespace

CPieChart::CPieChart(wxWindow* parent) : wxWindow(parent, wxID_ANY) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CPieChart::OnPaint, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    Refresh();
    event.Skip();
  });
}

void CPieChart::SetSlices(std::vector<PieSlice> slices) {
  m_slices = std::move(slices);
  Refresh();
}

void CPieChart::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  Render(dc, GetClientSize());
}

void CPieChart::Render(wxDC& dc, const wxSize& size) const {
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
  if (!gc) return;
  const wxFont font(wxFontInfo(9).Family(wxFONTFAMILY_SWISS));
  gc->SetFont(font, *wxBLACK);
  double textWidth = 0, lineHeight = 0;
  gc->GetTextExtent("Mg", &textWidth, &lineHeight);

  const double legendHeight = (lineHeight + 4) * m_slices.size();
  const double depth = 10;
  const double width = std::max(10.0, size.x - 16.0);
  const double height =
      std::max(10.0, std::min(width * 0.55, size.y - legendHeight - depth - 12.0));
  const double cx = size.x / 2.0;
  const double cy = 6 + height / 2;
  const double radius = width / 2;

  double total = 0;
  for (const auto& slice : m_slices) total += Share(slice.value);
  const auto drawPie = [&](double dy, bool shaded) {
    gc->PushState();
    gc->Translate(cx, cy + dy);
    gc->Scale(1.0, height / width);
    double angle = -std::numbers::pi / 2;
    for (const auto& slice : m_slices) {
      const double sweep = total > 0 ? Share(slice.value) / total * 2 * std::numbers::pi : 0;
      if (sweep <= 0) continue;
      wxGraphicsPath path = gc->CreatePath();
      path.MoveToPoint(0, 0);
      path.AddArc(0, 0, radius, angle, angle + sweep, true);
      path.CloseSubpath();
      gc->SetBrush(wxBrush(shaded ? slice.colour.ChangeLightness(70) : slice.colour));
      gc->SetPen(*wxTRANSPARENT_PEN);
      gc->FillPath(path);
      angle += sweep;
    }
    if (total <= 0) {
      gc->SetPen(*wxLIGHT_GREY_PEN);
      gc->SetBrush(*wxTRANSPARENT_BRUSH);
      gc->DrawEllipse(-radius, -radius, 2 * radius, 2 * radius);
    }
    gc->PopState();
  };
  // The side of the disc, then its top: a pie seen from a little above.
  for (double dy = depth; dy > 0; dy -= 1) drawPie(dy, true);
  drawPie(0, false);

  double y = cy + height / 2 + depth + 8;
  for (const auto& slice : m_slices) {
    gc->SetBrush(wxBrush(slice.colour));
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->DrawRectangle(10, y + 2, lineHeight - 4, lineHeight - 4);
    gc->DrawText(wxString::Format("%s  %.1f%%", slice.title, slice.value), 10 + lineHeight + 2, y);
    y += lineHeight + 4;
  }
}

}  // namespace lumora
