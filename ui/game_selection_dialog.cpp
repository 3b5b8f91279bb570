#include "ui/game_selection_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>

#include "app/game_selection.h"
#include "ui/wx_convert.h"

namespace lumora {
namespace {

// The group boxes in three columns of two groups each.
constexpr std::array<std::array<int, 2>, 3> kColumns = {
    {{kHoldemGames, kOmahaGames}, {kFiveCardOmahaGames, kStudGames}, {kDrawGames, kMixedGames}}};

}  // namespace

CGameSelection::CGameSelection(wxWindow* parent, const GameFlags& flags)
    : wxDialog(parent, wxID_ANY, "GameSelection") {
  for (int i = 0; i < kGameKindCount; ++i) {
    m_boxes[i] = new wxCheckBox(this, kFirstBoxId + i, ToWx(kGameKinds[i].label));
    if (i == kAllGames || IsGroupBox(i)) m_boxes[i]->SetFont(m_boxes[i]->GetFont().Bold());
  }
  Bind(wxEVT_CHECKBOX, &CGameSelection::OnBoxClicked, this, kFirstBoxId,
       kFirstBoxId + kGameKindCount - 1);

  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  for (const auto& groups : kColumns) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    for (int group : groups) {
      column->Add(m_boxes[group], 0, wxTOP, 10);
      for (int i = 0; i < kGameKindCount; ++i)
        if (kGameKinds[i].group == group) column->Add(m_boxes[i], 0, wxLEFT | wxTOP, 3);
    }
    columns->Add(column, 0, wxLEFT | wxRIGHT, 12);
  }
  auto* buttons = new wxStdDialogButtonSizer;
  buttons->AddButton(new wxButton(this, wxID_OK, "Done"));
  buttons->AddButton(new wxButton(this, wxID_CANCEL, "Cancel"));
  buttons->Realize();

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_boxes[kAllGames], 0, wxLEFT | wxTOP, 12);
  sizer->Add(columns);
  sizer->Add(buttons, 0, wxEXPAND | wxALL, 12);
  SetSizerAndFit(sizer);
  ShowFlags(flags);
}

GameFlags CGameSelection::flags() const {
  GameFlags flags{};
  for (int i = 0; i < kGameKindCount; ++i) flags[i] = m_boxes[i]->GetValue() ? 1 : 0;
  return flags;
}

void CGameSelection::ShowFlags(const GameFlags& flags) {
  for (int i = 0; i < kGameKindCount; ++i) m_boxes[i]->SetValue(flags[i] != 0);
}

void CGameSelection::OnBoxClicked(wxCommandEvent& event) {
  ShowFlags(ApplyGameSelectionClick(flags(), event.GetId() - kFirstBoxId));
}

}  // namespace lumora
