#pragma once
// "GameSelection": a check box per game kind, grouped as the rooms group
// their games. The boxes follow the selection rules as they are clicked;
// "Done" hands the flags back to the caller, who keeps them.

#include <wx/dialog.h>

#include <array>

#include "app/game_kinds.h"

class wxCheckBox;

namespace lumora {

class CGameSelection : public wxDialog {
 public:
  /// The id of the check box of game kind i is kFirstBoxId + i.
  static constexpr int kFirstBoxId = 2000;

  CGameSelection(wxWindow* parent, const GameFlags& flags);

  /// The flags as the boxes show them.
  GameFlags flags() const;

 private:
  void OnBoxClicked(wxCommandEvent& event);
  void ShowFlags(const GameFlags& flags);

  std::array<wxCheckBox*, kGameKindCount> m_boxes{};
};

}  // namespace lumora
