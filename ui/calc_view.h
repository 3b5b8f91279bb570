#pragma once
// CCalcView, the "Table" tab of a result window: the run's figures in five
// fields, "Calculate", the result line, and the bankroll for nine risk
// levels with the 5% ("NonPro") and 1% ("Pro") rows marked. The numbers
// come from the risk calculator; the view shows them.

#include <wx/panel.h>

#include <array>

#include "ui/result_document.h"
#include "ui/risk_calculator.h"

class wxListCtrl;
class wxTextCtrl;

namespace lumora {

class CListCtrlEx;

class CCalcView : public wxPanel {
 public:
  CCalcView(wxWindow* parent, const CLumoraDoc& document);

  /// The result line and the risk table from the fields.
  void FillRiskTable();
  /// "Calculate": the result line only; the table stays as it is.
  void Calculate();
  /// Writes the risk table as shown to a CSV file.
  bool ExportCsv(const wxString& path) const;

  /// The fields in the order of CalculatorFields (hands, net won, win rate,
  /// deviation, risk).
  wxTextCtrl& field(int index) { return *m_fields[index]; }
  wxListCtrl& resultLine() { return *m_resultLine; }
  CListCtrlEx& riskTable() { return *m_riskTable; }

 private:
  CalculatorFields Fields() const;
  void ShowResultLine(const std::array<std::wstring, 5>& line);
  void PlaceControls();

  RunSpread m_run;
  wxPanel* m_banner;
  std::array<wxTextCtrl*, 5> m_fields{};
  wxWindow* m_resultsLabel;
  wxListCtrl* m_resultLine;
  CListCtrlEx* m_riskTable;
};

}  // namespace lumora
