#pragma once
// The task pane: the comparison of two limits (filled by the first
// comparison after start-up), a short "About" block, and the program's
// description at the bottom.

#include <wx/scrolwin.h>

#include "app/comparison.h"

class wxListCtrl;
class wxSizer;

namespace lumora {

class CPieChart;

class CMSMTasksPane : public wxScrolledWindow {
 public:
  explicit CMSMTasksPane(wxWindow* parent);

  /// Shows the comparison: the table (Sharpe ratio and mix of both limits),
  /// the cutoff line and the pie chart of the mix. The three windows are made
  /// on the first call; later calls refill them.
  void ShowComparison(const Comparison& comparison);

  /// The comparison's windows; null until the first comparison.
  wxListCtrl* comparisonTable() const { return m_table; }
  wxListCtrl* cutoffList() const { return m_cutoff; }
  CPieChart* pieChart() const { return m_pie; }

 private:
  /// A group's caption band; returns the sizer its content goes into.
  wxSizer* AddGroup(wxSizer* pane, const wxString& caption);
  /// Shares the table's width out among its three columns.
  void FitColumns();

  wxSizer* m_comparison = nullptr;
  wxListCtrl* m_table = nullptr;
  wxListCtrl* m_cutoff = nullptr;
  CPieChart* m_pie = nullptr;
};

}  // namespace lumora
