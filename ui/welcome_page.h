#pragma once
// The welcome page, first in the centre notebook: the program's picture on
// white and a line on where to start.

#include <wx/panel.h>

class wxDC;

namespace lumora {

class CLumoraView : public wxPanel {
 public:
  explicit CLumoraView(wxWindow* parent);

  /// Draws the page into `dc`, `size` pixels.
  void Render(wxDC& dc, const wxSize& size) const;

 private:
  wxBitmap m_picture;
};

}  // namespace lumora
