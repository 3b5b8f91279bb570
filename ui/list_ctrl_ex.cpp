#include "ui/list_ctrl_ex.h"

#include <wx/textctrl.h>

#include <algorithm>
#include <numeric>

#include "ui/wx_convert.h"

namespace lumora {
namespace {}  // namespace

CListCtrlEx::CListCtrlEx(wxWindow* parent, int id)
    : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES) {
  m_colours.SetDefaults({ToRgb(GetBackgroundColour()), ToRgb(GetForegroundColour())});
  Bind(wxEVT_LIST_COL_CLICK, [this](wxListEvent& event) { SortBy(event.GetColumn()); });
  Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent& event) {
    // The column under the pointer: the one whose span holds its x.
    const int x = ScreenToClient(wxGetMousePosition()).x;
    int left = 0, column = 0;
    for (; column < GetColumnCount() - 1 && x >= left + GetColumnWidth(column); ++column)
      left += GetColumnWidth(column);
    EditCell(event.GetIndex(), column);
  });
}

void CListCtrlEx::AddColumn(const wxString& title, int width, SortType sort) {
  AppendColumn(title, wxLIST_FORMAT_CENTRE, width);
  m_sortTypes.push_back(sort);
  for (auto& row : m_cells) row.resize(m_sortTypes.size());
}

void CListCtrlEx::SetRowCount(int rows) {
  m_cells.resize(rows, std::vector<wxString>(m_sortTypes.size()));
  SetItemCount(rows);
  Refresh();
}

void CListCtrlEx::SetCell(int row, int column, const wxString& text) {
  m_cells.at(row).at(column) = text;
  RefreshItem(row);
}

wxString CListCtrlEx::OnGetItemText(long item, long column) const {
  return m_cells.at(item).at(column);
}

wxItemAttr* CListCtrlEx::OnGetItemColumnAttr(long item, long column) const {
  const CellColours colours = m_colours.Resolve(item, column);
  m_attr.SetBackgroundColour(ToWx(colours.background));
  m_attr.SetTextColour(ToWx(colours.text));
  return &m_attr;
}

wxItemAttr* CListCtrlEx::OnGetItemAttr(long item) const {
  return OnGetItemColumnAttr(item, -1);  // no column or cell record: the row's own
}

void CListCtrlEx::SortBy(int column) {
  if (column < 0 || column >= static_cast<int>(m_sortTypes.size()) ||
      m_sortTypes[column] == SortType::kNone)
    return;
  m_ascending = column == m_sortColumn ? !m_ascending : true;
  m_sortColumn = column;
  std::vector<int> order(m_cells.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const int sign = CompareCells(m_sortTypes[column], m_cells[a][column].ToStdWstring(),
                                  m_cells[b][column].ToStdWstring());
    return m_ascending ? sign < 0 : sign > 0;
  });
  std::vector<std::vector<wxString>> sorted;
  for (int row : order) sorted.push_back(m_cells[row]);
  m_cells = std::move(sorted);
  m_colours.Reorder(order);
  ShowSortIndicator(column, m_ascending);
  Refresh();
}

wxTextCtrl* CListCtrlEx::EditCell(int row, int column) {
  wxRect cell;
  if (!GetSubItemRect(row, column, cell)) return nullptr;
  if (m_edit == nullptr) {
    m_edit = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                            wxTE_PROCESS_ENTER | wxBORDER_SIMPLE);
    m_edit->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { CommitEdit(); });
    m_edit->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
      CallAfter([this] { CommitEdit(); });
      event.Skip();
    });
  }
  m_editRow = row;
  m_editColumn = column;
  m_edit->SetValue(m_cells.at(row).at(column));
  m_edit->SetSize(cell);
  m_edit->Show();
  m_edit->SetFocus();
  m_edit->SelectAll();
  return m_edit;
}

void CListCtrlEx::CommitEdit() {
  if (m_edit == nullptr || !m_edit->IsShown()) return;
  m_edit->Hide();
  SetCell(m_editRow, m_editColumn, m_edit->GetValue());
}

}  // namespace lumora
