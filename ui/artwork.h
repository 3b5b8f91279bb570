#pragma once
// The program's pictures: its icon, one small drawing per ribbon command
// (painted at start-up, so no file has to be found), and the "Style" menu's
// looks mapped onto wx's ribbon art providers and colour schemes.

#include <wx/bitmap.h>

#include "app/profile_keys.h"

class wxRibbonBar;

namespace lumora {

/// The program's icon (the picture of the desktop entry) at `size` pixels.
wxBitmap AppIcon(int size);

/// The drawings of the ribbon's buttons.
enum class RibbonIcon {
  kOutput,
  kStatusBar,
  kHistory,
  kDatabase,
  kUsd,
  kEuro,
  kGbp,
  kDateRange,
  kGameSelection,
  kPlayersSeated,
  kNonZoom,
  kZoom,
  kMake,
  kCompare,
  kBrowse,
};

/// The icon drawn on a transparent square of `size` pixels (16 or 32).
wxBitmap RibbonBitmap(RibbonIcon icon, int size);

/// The look the profile keeps, by the "Style" menu's ids 215 to 219 (Office
/// 2007 blue, black, silver, aqua; Windows 7); 216 when none is kept. The
/// desktop program's own key: the command line has no look.
inline constexpr keys::IntKey kApplicationLook{L"ApplicationLook", 216, {}};

/// The "Style" menu's labels, by id - 215.
inline constexpr const wchar_t* kLookLabels[] = {
    L"Office 2007 (&Blue Style)", L"Office 2007 (B&lack Style)", L"Office 2007 (&Silver Style)",
    L"Office 2007 (&Aqua Style)", L"Win&dows 7"};

/// Gives `ribbon` the art provider and colours of look `lookId`; an id
/// outside 215..219 takes the black style.
void ApplyLook(wxRibbonBar& ribbon, int lookId);

}  // namespace lumora
