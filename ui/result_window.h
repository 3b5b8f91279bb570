#pragma once
// A result window (CTabBankrollView): a page of the centre notebook with the
// tabs "Table" (the calculator), "Graph" (the risk-of-ruin curves) and
// "Results" (net won over the hands), all showing the run that opened it.

#include <wx/panel.h>

#include "ui/result_document.h"

class wxNotebook;

namespace lumora {

class CCalcView;
class CGraphView;

class CResultWindow : public wxPanel {
 public:
  CResultWindow(wxWindow* parent, CLumoraDoc document);

  const CLumoraDoc& document() const { return m_document; }
  wxNotebook& tabs() { return *m_tabs; }
  CCalcView& calculator() { return *m_calculator; }
  CGraphView& graph() { return *m_graph; }
  CGraphView& results() { return *m_results; }

 private:
  CLumoraDoc m_document;
  wxNotebook* m_tabs;
  CCalcView* m_calculator;
  CGraphView* m_graph;
  CGraphView* m_results;
};

}  // namespace lumora
