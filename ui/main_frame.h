#pragma once
// The main window: the ribbon on top, the result windows as pages of the
// centre notebook (the welcome page first), the output pane below and the
// task pane beside them, and a status bar that shows a run's progress with
// its "Cancel" control. The frame composes these parts; "Make" runs the
// analysis on a worker thread and the window stays usable meanwhile.

#include <wx/aui/aui.h>
#include <wx/frame.h>

#include <string>
#include <thread>

#include "ui/results_series.h"
#include "ui/settings_editor.h"
#include "ui/window_ui.h"

class wxAuiNotebook;
class wxButton;
class wxGauge;
class wxRibbonButtonBarEvent;

namespace lumora {

class CLumoraApp;
class COutputWnd;
class CMSMTasksPane;
class MainRibbon;
class Profile;

class CMainFrame : public wxFrame {
 public:
  /// Shows the settings `app` holds and writes their changes to `profile`;
  /// both outlive the frame.
  CMainFrame(Profile& profile, CLumoraApp& app);
  ~CMainFrame() override;

  /// What a run reports, called on the frame's thread (WindowUi queues them).
  void AddOutputLine(const std::wstring& line);
  void ShowProgress(std::size_t done, std::size_t total, WorkUnit unit);
  void ShowComparison(const Comparison& comparison);

  /// True from "Make" until the run's end has been shown.
  bool IsRunning() const { return m_worker.joinable(); }

  MainRibbon& ribbon() { return *m_ribbon; }
  COutputWnd& output() { return *m_output; }
  CMSMTasksPane& tasks() { return *m_tasks; }
  wxAuiNotebook& results() { return *m_results; }
  wxAuiManager& docking() { return m_aui; }

 private:
  void BuildMenus();
  void BuildStatusBar();
  void PlaceStatusControls();
  void ShowViewChecks();

  void OnMake(wxRibbonButtonBarEvent& event);
  void OnCompare(wxRibbonButtonBarEvent& event);
  void OnRunFinished(bool finished, ResultsSeries results);
  void OpenResultWindow(ResultsSeries results);
  void ShowOutputPane(bool show);
  void OnLook(wxCommandEvent& event);
  void OnClose(wxCloseEvent& event);

  Profile& m_profile;
  CLumoraApp& m_app;
  SettingsEditor m_editor;
  WindowUi m_ui;
  wxAuiManager m_aui;
  MainRibbon* m_ribbon = nullptr;
  COutputWnd* m_output = nullptr;
  CMSMTasksPane* m_tasks = nullptr;
  wxAuiNotebook* m_results = nullptr;
  wxGauge* m_gauge = nullptr;
  wxButton* m_cancel = nullptr;
  std::thread m_worker;
  bool m_closing = false;
};

}  // namespace lumora
