#pragma once
// The About box: the program's picture, name and version.

class wxWindow;

namespace lumora {

/// Shows the About box modally over `parent`.
void ShowAboutBox(wxWindow* parent);

}  // namespace lumora
