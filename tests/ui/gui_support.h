#pragma once
// What the desktop program's GUI tests share: a wx application for the test
// process, waiting on a condition while events flow, real mouse clicks on
// ribbon buttons, modal dialogs answered by the test, and screenshots.

#include <wx/dialog.h>
#include <wx/gdicmn.h>
#include <wx/modalhook.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class wxWindow;

namespace lumora {
class CMainFrame;
}

namespace lumora::testing {

/// Lets events flow until `condition` holds or `timeout` passes; returns
/// whether it holds. Generous timeouts: a loaded machine is slow, not wrong.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::seconds timeout = std::chrono::seconds(120));

/// Lets the events queued so far (and the repaints they cause) be handled.
void Settle();

/// Clicks ribbon button `id` of `frame` with the real mouse, after bringing
/// its page to the front.
void ClickRibbonButton(CMainFrame& frame, int id);

/// Drags the real mouse with the left button from `from` to `to` (screen
/// pixels), through a point between them.
void DragMouse(const wxPoint& from, const wxPoint& to);

/// Saves what `window` shows on screen as build/<preset>/screenshots/<name>.png;
/// returns the file's path.
std::filesystem::path SaveScreenshot(wxWindow& window, const std::string& name);

/// Answers the modal dialogs a test opens: message boxes are recorded and
/// closed with OK; other dialogs go to `onDialog` (its return is the
/// dialog's result; by default Cancel).
class DialogDriver : public wxModalDialogHook {
 public:
  DialogDriver() { Register(); }
  ~DialogDriver() override { Unregister(); }

  std::vector<std::wstring> messages;
  std::function<int(wxDialog&)> onDialog;

 protected:
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog*) override {}
};

}  // namespace lumora::testing
