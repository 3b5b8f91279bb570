#include "ui/graph_view.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

#include "ui/line_plot.h"

namespace lumora {

CGraphView::CGraphView(wxWindow* parent, PlotModel plot, const wxString& fileName)
    : wxPanel(parent) {
  SetBackgroundColour(*wxWHITE);
  m_plot = new CLinePlot(this, 312, std::move(plot));
  auto* exportPng = new wxButton(this, wxID_ANY, "Export...");
  exportPng->Bind(wxEVT_BUTTON, [this, fileName](wxCommandEvent&) {
    wxFileDialog dialog(this, "Export the graph", "", fileName, "PNG pictures (*.png)|*.png",
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() == wxID_OK && !m_plot->Export(dialog.GetPath()))
      wxMessageBox("The file " + dialog.GetPath() + " cannot be written.", "Lumora",
                   wxOK | wxICON_WARNING, this);
  });
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(exportPng, 0, wxALIGN_RIGHT | wxTOP | wxRIGHT, 4);
  sizer->Add(m_plot, 1, wxEXPAND);
  SetSizer(sizer);
}

}  // namespace lumora
