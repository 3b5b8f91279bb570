#include "ui/line_plot.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>
#include <wx/textctrl.h>

#include <memory>

#include "base/text.h"
#include "ui/plot_render.h"

namespace lumora {

wxDEFINE_EVENT(EVT_LINE_PLOT, wxCommandEvent);

namespace {

constexpr int kLimitEditId = 1034;
constexpr int kSeriesChanged = 1124;
constexpr int kRangeChanged = 1125;
constexpr int kTrackedChanged = 1126;
/// Decimal places offered when a limit is edited.
constexpr int kLimitPrecision = 1;

PixelPoint At(const wxMouseEvent& event) {
  return {event.GetX(), event.GetY()};
}

}  // namespace

CLinePlot::CLinePlot(wxWindow* parent, int id, PlotModel model)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE),
      m_model(std::move(model)) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_edit = new wxTextCtrl(this, kLimitEditId, "", wxDefaultPosition, wxDefaultSize,
                          wxTE_RIGHT | wxTE_PROCESS_ENTER | wxBORDER_SIMPLE);
  m_edit->Hide();
  m_edit->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { CommitEdit(); });
  Bind(wxEVT_PAINT, &CLinePlot::OnPaint, this);
  Bind(wxEVT_MOTION, &CLinePlot::OnMotion, this);
  Bind(wxEVT_LEFT_DOWN, &CLinePlot::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CLinePlot::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { Refresh(); });
}

void CLinePlot::Render(wxDC& dc, const wxSize& size) {
  std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
  if (gc) RenderPlot(*gc, m_model, size);
}

bool CLinePlot::Export(const wxString& path) {
  return SavePlotPng(m_model, GetClientSize(), path.ToStdString());
}

void CLinePlot::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  Render(dc, GetClientSize());
}

void CLinePlot::OnMotion(wxMouseEvent& event) {
  Apply(m_model.MouseMove(At(event)));
}

void CLinePlot::OnLeftDown(wxMouseEvent& event) {
  if (!HasCapture()) CaptureMouse();
  Apply(m_model.LeftDown(At(event)));
}

void CLinePlot::OnLeftUp(wxMouseEvent& event) {
  if (HasCapture()) ReleaseMouse();
  Apply(m_model.LeftUp(At(event), m_edit->IsShown()));
}

void CLinePlot::Apply(const PlotChanges& changes) {
  if (changes.commitEdit) CommitEdit();
  if (changes.editLimit != 0) OpenEdit(changes.editLimit);
  if (changes.seriesSelected) Notify(kSeriesChanged);
  if (changes.rangeChanged) Notify(kRangeChanged);
  if (changes.trackedChanged) Notify(kTrackedChanged);
  if (changes.repaint) Refresh();
}

void CLinePlot::OpenEdit(int limit) {
  const PlotLayout& l = m_model.layout();
  const PixelRect& label = limit & kHoverXMin   ? l.xMinLabel
                           : limit & kHoverXMax ? l.xMaxLabel
                           : limit & kHoverYMin ? l.yMinLabel
                                                : l.yMaxLabel;
  m_editLimit = limit;
  m_edit->SetValue(Format(L"%0.*f", kLimitPrecision, m_model.Limit(limit)));
  const int width = std::max(label.width, 70);
  m_edit->SetSize(label.right() - width, label.top, width, -1);
  m_edit->Show();
  m_edit->SetFocus();
  m_edit->SelectAll();
}

void CLinePlot::CommitEdit() {
  if (!m_edit->IsShown()) return;
  m_edit->Hide();
  m_model.SetLimit(m_editLimit, static_cast<float>(ParseAmount(m_edit->GetValue().ToStdWstring())));
  Notify(kRangeChanged);
  Refresh();
}

void CLinePlot::Notify(int code) {
  wxCommandEvent event(EVT_LINE_PLOT, GetId());
  event.SetEventObject(this);
  event.SetInt(code);
  ProcessWindowEvent(event);
}

}  // namespace lumora
