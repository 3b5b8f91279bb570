// lumora: the desktop program.

#include "ui/desktop_app.h"

wxIMPLEMENT_APP(lumora::DesktopApp);
