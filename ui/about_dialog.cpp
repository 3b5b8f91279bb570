#include "ui/about_dialog.h"

#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/system_info.h"
#include "ui/artwork.h"

namespace lumora {

void ShowAboutBox(wxWindow* parent) {
  wxDialog dialog(parent, wxID_ANY, "About Lumora");
  auto* text = new wxBoxSizer(wxVERTICAL);
  auto* name = new wxStaticText(&dialog, wxID_ANY, "Lumora");
  name->SetFont(name->GetFont().Bold().Scaled(1.6f));
  text->Add(name);
  // The version line keeps its leading blank: " Version v3.1".
  text->Add(new wxStaticText(&dialog, wxID_ANY, wxString::Format(" Version %s", kVersionNumber)), 0,
            wxTOP, 4);
  text->Add(new wxStaticText(&dialog, wxID_ANY,
                             "A bankroll analyser for online cash-game poker:\nwin rate, "
                             "deviation and risk of ruin from your hand histories."),
            0, wxTOP, 10);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticBitmap(&dialog, wxID_ANY, AppIcon(64)), 0, wxALL, 12);
  row->Add(text, 0, wxALL, 12);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(row);
  sizer->Add(dialog.CreateStdDialogButtonSizer(wxOK), 0, wxEXPAND | wxALL, 10);
  dialog.SetSizerAndFit(sizer);
  dialog.ShowModal();
}

}  // namespace lumora
