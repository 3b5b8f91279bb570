#include "ui/players_seated_dialog.h"

#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <optional>

namespace lumora {
namespace {

std::optional<int> Seats(wxString text) {
  unsigned long value = 0;
  if (!text.Trim().Trim(false).ToULong(&value) || value < 2 || value > 10) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

CDlgPlayersSeated::CDlgPlayersSeated(wxWindow* parent, int minPl, int maxPl)
    : wxDialog(parent, wxID_ANY, "Players seated"), m_minPl(minPl), m_maxPl(maxPl) {
  m_minEdit = new wxTextCtrl(this, 1030, wxString::Format("%d", minPl));
  m_maxEdit = new wxTextCtrl(this, 1031, wxString::Format("%d", maxPl));
  auto* grid = new wxFlexGridSizer(2, 8, 12);
  grid->Add(new wxStaticText(this, wxID_ANY, "Min. Players Seated:"), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(m_minEdit);
  grid->Add(new wxStaticText(this, wxID_ANY, "Max. Players Seated:"), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(m_maxEdit);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(grid, 0, wxALL, 12);
  sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 12);
  SetSizerAndFit(sizer);
}

bool CDlgPlayersSeated::TransferDataFromWindow() {
  const auto minPl = Seats(m_minEdit->GetValue());
  const auto maxPl = Seats(m_maxEdit->GetValue());
  if (!minPl || !maxPl) {
    wxMessageBox("Please enter an integer between 2 and 10.", "Players seated",
                 wxOK | wxICON_EXCLAMATION, this);
    (minPl ? m_maxEdit : m_minEdit)->SetFocus();
    return false;
  }
  m_minPl = *minPl;
  m_maxPl = *maxPl;
  return true;
}

}  // namespace lumora
