#include "ui/welcome_page.h"

#include <wx/dcbuffer.h>

#include "ui/artwork.h"

namespace lumora {

CLumoraView::CLumoraView(wxWindow* parent) : wxPanel(parent), m_picture(AppIcon(160)) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    Render(dc, GetClientSize());
  });
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    Refresh();
    event.Skip();
  });
}

void CLumoraView::Render(wxDC& dc, const wxSize& size) const {
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  const int top = std::max(20, size.y / 2 - 170);
  dc.DrawBitmap(m_picture, (size.x - m_picture.GetWidth()) / 2, top, true);
  const auto centred = [&](const wxString& text, const wxFont& font, const wxColour& colour,
                           int y) {
    dc.SetFont(font);
    dc.SetTextForeground(colour);
    dc.DrawText(text, (size.x - dc.GetTextExtent(text).x) / 2, y);
  };
  const int below = top + m_picture.GetHeight() + 16;
  centred("Lumora", wxFontInfo(28).Family(wxFONTFAMILY_SWISS).Bold(), wxColour(30, 60, 45), below);
  centred("Bankroll analysis for online cash-game poker", wxFontInfo(12).Family(wxFONTFAMILY_SWISS),
          wxColour(90, 90, 90), below + 52);
  centred("Choose your hand histories and filters on the ribbon, then press \"Make\".",
          wxFontInfo(11).Family(wxFONTFAMILY_SWISS), wxColour(60, 110, 80), below + 84);
}

}  // namespace lumora
