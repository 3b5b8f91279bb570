#include "ui/output_pane.h"

#include <wx/clipbrd.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include "ui/command_ids.h"

namespace lumora {

COutputList::COutputList(wxWindow* parent)
    : wxListBox(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                wxLB_SINGLE | wxLB_HSCROLL | wxLB_NEEDED_SB) {
  SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  Bind(wxEVT_CONTEXT_MENU, &COutputList::OnContextMenu, this);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ClearLines(); }, ids::kClearOutput);
  Bind(
      wxEVT_MENU,
      [this](wxCommandEvent&) {
        wxClipboardLocker locker;
        if (!!locker) wxTheClipboard->SetData(new wxTextDataObject(Text()));
      },
      ids::kCopyOutput);
}

void COutputList::AddLine(const wxString& line) {
  const size_t before = m_lines.lines().size();
  m_lines.Add(line.ToStdWstring());
  for (size_t dropped = before + 1 - m_lines.lines().size(); dropped > 0; --dropped) Delete(0);
  const int last = static_cast<int>(Append(line));
  SetSelection(last);
  EnsureVisible(last);
}

void COutputList::ClearLines() {
  m_lines.Clear();
  Clear();
}

wxString COutputList::Text() const {
  wxString text;
  for (const auto& line : m_lines.lines()) text << line << '\n';
  return text;
}

void COutputList::OnContextMenu(wxContextMenuEvent&) {
  wxMenu menu;
  menu.Append(ids::kCopyOutput, "Copy output");
  menu.Append(ids::kClearOutput, "Clear output");
  menu.AppendSeparator();
  // The frame owns the pane and hides it; the menu event travels up to it.
  menu.Append(ids::kHideOutput, "Hide");
  PopupMenu(&menu);
  SetFocus();
}

COutputWnd::COutputWnd(wxWindow* parent) : wxPanel(parent) {
  m_tabs = new wxNotebook(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxNB_BOTTOM);
  const wxString labels[] = {"Build", "Debug", "Find"};
  for (int tab = kBuild; tab <= kFind; ++tab) {
    m_lists[tab] = new COutputList(m_tabs);
    m_tabs->AddPage(m_lists[tab], labels[tab]);
  }
  for (const auto& [tab, first] : {std::pair{kBuild, "Build output is being displayed here."},
                                   {kFind, "Find output is being displayed here."}}) {
    m_lists[tab]->AddLine(first);
    m_lists[tab]->AddLine("The output is being displayed in rows of a list view");
    m_lists[tab]->AddLine("but you can change the way it is displayed as you wish...");
    m_lists[tab]->SetSelection(wxNOT_FOUND);
  }
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_tabs, 1, wxEXPAND);
  SetSizer(sizer);
}

void COutputWnd::ShowDebug() {
  m_tabs->SetSelection(kDebug);
}

}  // namespace lumora
