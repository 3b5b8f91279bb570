#pragma once
// CLinePlot: the interactive chart of the result windows. Zoom by dragging a
// rectangle, zoom out by dragging upward, click an axis' end label to type
// a new limit, click a padlock to lock an axis, click a legend entry to pick
// the series the crosshair follows. The model holds all of it; the control
// feeds it the mouse and paints it.

#include <wx/window.h>

#include "ui/plot_model.h"

class wxDC;
class wxTextCtrl;

namespace lumora {

/// Sent to the parent: GetInt() is 1124 (series added or picked), 1125
/// (axis range changed) or 1126 (tracked point changed).
wxDECLARE_EVENT(EVT_LINE_PLOT, wxCommandEvent);

class CLinePlot : public wxWindow {
 public:
  CLinePlot(wxWindow* parent, int id, PlotModel model);

  PlotModel& model() { return m_model; }
  /// Draws the plot into `dc` at `size`, as the window paints it.
  void Render(wxDC& dc, const wxSize& size);
  /// Writes the plot as it is drawn now (its size, range and pointer) as PNG.
  bool Export(const wxString& path);

 private:
  void OnPaint(wxPaintEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void Apply(const PlotChanges& changes);
  void OpenEdit(int limit);
  void CommitEdit();
  void Notify(int code);

  PlotModel m_model;
  wxTextCtrl* m_edit;
  int m_editLimit = 0;
};

}  // namespace lumora
