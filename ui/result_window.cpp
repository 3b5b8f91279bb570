#include "ui/result_window.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace lumora {

CResultWindow::CResultWindow(wxWindow* parent, CLumoraDoc document)
    : wxPanel(parent), m_document(std::move(document)) {
  const RunSummary& s = m_document.summary;
  wxString text;
  text << wxString::Format("Hands: %d\n", s.m_nHands)
       << wxString::Format("Net won: %.2f\n", s.m_dWin)
       << wxString::Format("Win rate: %.2f BB/100 hands\n", s.m_dWinRate)
       << wxString::Format("Standard deviation: %.2f BB per hand\n", s.m_dSD)
       << wxString::Format("All-in hands: %d, won %.2f, EV %.2f\n", s.m_nAllInHands, s.m_dAllInWin,
                           s.m_dAllInEV);
  auto* view = new wxTextCtrl(this, wxID_ANY, text, wxDefaultPosition, wxDefaultSize,
                              wxTE_MULTILINE | wxTE_READONLY | wxBORDER_NONE);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(view, 1, wxEXPAND | wxALL, 12);
  SetSizer(sizer);
}

}  // namespace lumora
