#pragma once
// "Players seated": the least and the most players that must have been
// seated for a hand to count, each 2 to 10.

#include <wx/dialog.h>

class wxTextCtrl;

namespace lumora {

class CDlgPlayersSeated : public wxDialog {
 public:
  CDlgPlayersSeated(wxWindow* parent, int minPl, int maxPl);

  /// The values OK accepted (both in 2..10).
  int minPl() const { return m_minPl; }
  int maxPl() const { return m_maxPl; }

  /// OK: both edits must hold a whole number from 2 to 10; otherwise the
  /// range message shows and the dialog stays open with nothing taken.
  bool TransferDataFromWindow() override;

 private:
  wxTextCtrl* m_minEdit;
  wxTextCtrl* m_maxEdit;
  int m_minPl;
  int m_maxPl;
};

}  // namespace lumora
