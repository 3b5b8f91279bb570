#pragma once
// CListCtrlEx: the report list of the result windows. Cells, rows and
// columns can have their own colours (ListColours decides which one a cell
// gets), a click on a sortable column's header sorts by it, and a double
// click edits a cell in place.

#include <wx/listctrl.h>

#include <vector>

#include "ui/list_model.h"

class wxTextCtrl;

namespace lumora {

class CListCtrlEx : public wxListCtrl {
 public:
  CListCtrlEx(wxWindow* parent, int id);

  /// Appends a column; a column of sort type kNone does not sort.
  void AddColumn(const wxString& title, int width, SortType sort = SortType::kNone);
  /// Makes the list `rows` rows long; new cells are empty.
  void SetRowCount(int rows);
  void SetCell(int row, int column, const wxString& text);
  const wxString& Cell(int row, int column) const { return m_cells.at(row).at(column); }
  /// The colour records; call Refresh after changing them.
  ListColours& colours() { return m_colours; }

  /// Sorts the rows by `column`, ascending the first time and turning
  /// round on every further call for the same column.
  void SortBy(int column);
  /// Opens the edit in place over a cell and returns it; Enter or leaving
  /// it writes the text into the cell. Null when the cell is not shown.
  wxTextCtrl* EditCell(int row, int column);

 protected:
  wxString OnGetItemText(long item, long column) const override;
  wxItemAttr* OnGetItemColumnAttr(long item, long column) const override;
  /// Where the toolkit colours whole rows only (GTK's list), the row's own
  /// colours.
  wxItemAttr* OnGetItemAttr(long item) const override;

 private:
  void CommitEdit();

  std::vector<std::vector<wxString>> m_cells;
  std::vector<SortType> m_sortTypes;
  ListColours m_colours;
  mutable wxItemAttr m_attr;
  int m_sortColumn = -1;
  bool m_ascending = true;
  wxTextCtrl* m_edit = nullptr;
  int m_editRow = -1;
  int m_editColumn = -1;
};

}  // namespace lumora
