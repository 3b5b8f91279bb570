#pragma once
// A graph tab of a result window ("Graph": the risk-of-ruin curves;
// "Results": net won over the hands): one CLinePlot, and "Export..." to
// save it as a PNG as drawn.

#include <wx/panel.h>

#include "ui/plot_model.h"

namespace lumora {

class CLinePlot;

class CGraphView : public wxPanel {
 public:
  /// `fileName` is the PNG name the export offers.
  CGraphView(wxWindow* parent, PlotModel plot, const wxString& fileName);

  CLinePlot& plot() { return *m_plot; }

 private:
  CLinePlot* m_plot;
};

}  // namespace lumora
