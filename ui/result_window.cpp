#include "ui/result_window.h"

#include <wx/notebook.h>
#include <wx/sizer.h>

#include "ui/calc_view.h"
#include "ui/graph_view.h"
#include "ui/plot_figures.h"

namespace lumora {

CResultWindow::CResultWindow(wxWindow* parent, CLumoraDoc document)
    : wxPanel(parent), m_document(std::move(document)) {
  m_tabs = new wxNotebook(this, wxID_ANY);
  m_calculator = new CCalcView(m_tabs, m_document);
  m_graph = new CGraphView(m_tabs, MakeRorPlot(m_document.curve, m_document.plotTitle),
                           "risk-of-ruin.png");
  m_results = new CGraphView(m_tabs, MakeResultsPlot(m_document.results, m_document.plotTitle),
                             "results.png");
  m_tabs->AddPage(m_calculator, "Table", true);
  m_tabs->AddPage(m_graph, "Graph");
  m_tabs->AddPage(m_results, "Results");
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_tabs, 1, wxEXPAND);
  SetSizer(sizer);
}

}  // namespace lumora
