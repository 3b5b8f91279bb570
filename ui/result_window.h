#pragma once
// A result window: a page of the centre notebook showing the run that
// opened it.

#include <wx/panel.h>

#include "ui/result_document.h"

namespace lumora {

class CResultWindow : public wxPanel {
 public:
  CResultWindow(wxWindow* parent, CLumoraDoc document);

  const CLumoraDoc& document() const { return m_document; }

 private:
  CLumoraDoc m_document;
};

}  // namespace lumora
