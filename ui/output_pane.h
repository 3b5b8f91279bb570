#pragma once
// The output pane: three lists in tabs, "Build", "Debug" and "Find". A run's
// report lines go to "Debug", which keeps the newest lines only (the log
// keeps them all).

#include <wx/listbox.h>
#include <wx/panel.h>

#include <array>

#include "app/output_list.h"

class wxNotebook;

namespace lumora {

/// One list of the output pane. Its right-click menu copies the lines to the
/// clipboard, clears them, or hides the pane.
class COutputList : public wxListBox {
 public:
  explicit COutputList(wxWindow* parent);

  /// Appends a line, dropping the oldest beyond the output list's limit
  /// (kOutputListLimit), and selects and shows the newest.
  void AddLine(const wxString& line);
  void ClearLines();
  /// Every line, one per text line: what "Copy output" puts on the clipboard.
  wxString Text() const;

 private:
  void OnContextMenu(wxContextMenuEvent& event);

  OutputList m_lines;
};

class COutputWnd : public wxPanel {
 public:
  enum Tab { kBuild = 0, kDebug = 1, kFind = 2 };

  explicit COutputWnd(wxWindow* parent);

  COutputList& list(Tab tab) { return *m_lists[tab]; }
  /// Brings the "Debug" tab to the front, where a run reports.
  void ShowDebug();

 private:
  wxNotebook* m_tabs;
  std::array<COutputList*, 3> m_lists{};
};

}  // namespace lumora
