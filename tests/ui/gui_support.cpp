#include "tests/ui/gui_support.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/ribbon/page.h>
#include <wx/uiaction.h>

#include <thread>

#include "ui/main_frame.h"
#include "ui/main_ribbon.h"

namespace lumora::testing {
namespace {

class GuiTestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

/// One wx application for the whole test process, on the X display that
/// the test command provides.
class WxEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "ui_gui_test";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new GuiTestApp);
    ASSERT_TRUE(wxEntryStart(argc, argv)) << "no X display: run the GUI tests under xvfb-run";
    ASSERT_TRUE(wxTheApp->CallOnInit());
    // A failed wx assertion fails the test; its dialog would wait forever.
    wxSetAssertHandler([](const wxString& file, int line, const wxString& function,
                          const wxString& condition, const wxString& message) {
      ADD_FAILURE_AT(file.utf8_string().c_str(), line)
          << function << ": " << condition << " " << message;
    });
    wxInitAllImageHandlers();
  }
  void TearDown() override {
    wxTheApp->OnExit();
    wxEntryCleanup();
  }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new WxEnvironment);

}  // namespace

bool WaitFor(const std::function<bool()>& condition, std::chrono::seconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    wxTheApp->Yield(true);
    wxTheApp->ProcessPendingEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

void Settle() {
  for (int i = 0; i < 20; ++i) {
    wxTheApp->Yield(true);
    wxTheApp->ProcessPendingEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void ClickRibbonButton(CMainFrame& frame, int id) {
  wxRibbonButtonBar* bar = frame.ribbon().ButtonBar(id);
  ASSERT_NE(bar, nullptr);
  frame.ribbon().SetActivePage(dynamic_cast<wxRibbonPage*>(bar->GetGrandParent()));
  Settle();
  const wxRect rect = bar->GetItemRect(id);
  ASSERT_FALSE(rect.IsEmpty()) << "button " << id << " is not laid out";
  wxUIActionSimulator mouse;
  mouse.MouseMove(bar->ClientToScreen(rect.GetPosition() + rect.GetSize() / 2));
  Settle();
  mouse.MouseClick();
  Settle();
}

void DragMouse(const wxPoint& from, const wxPoint& to) {
  wxUIActionSimulator mouse;
  mouse.MouseMove(from);
  Settle();
  mouse.MouseDown();
  Settle();
  mouse.MouseMove((from + to) / 2);
  Settle();
  mouse.MouseMove(to);
  Settle();
  mouse.MouseUp();
  Settle();
}

std::filesystem::path SaveScreenshot(wxWindow& window, const std::string& name) {
  window.Raise();
  window.Refresh();
  window.Update();
  Settle();
  const wxRect rect = window.GetScreenRect();
  // Read from the X server as the window shows now: a blit from wx's screen
  // DC gives the picture of its first use again. GDK is loaded with wx; its
  // headers need not be.
  using RootWindow = GdkWindow* (*)();
  using ReadWindow = GdkPixbuf* (*)(GdkWindow*, int, int, int, int);
  const auto root =
      reinterpret_cast<RootWindow>(dlsym(RTLD_DEFAULT, "gdk_get_default_root_window"));
  const auto read = reinterpret_cast<ReadWindow>(dlsym(RTLD_DEFAULT, "gdk_pixbuf_get_from_window"));
  if (root == nullptr || read == nullptr) {
    ADD_FAILURE() << "GDK is not loaded";
    return {};
  }
  const wxBitmap picture(read(root(), rect.x, rect.y, rect.width, rect.height));
  const std::filesystem::path folder = LUMORA_SCREENSHOT_DIR;
  std::filesystem::create_directories(folder);
  const auto path = folder / (name + ".png");
  EXPECT_TRUE(picture.SaveFile(path.string(), wxBITMAP_TYPE_PNG));
  return path;
}

int DialogDriver::Enter(wxDialog* dialog) {
  if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
    messages.push_back(box->GetMessage().ToStdWstring());
    return wxID_OK;
  }
  return onDialog ? onDialog(*dialog) : wxID_CANCEL;
}

}  // namespace lumora::testing
