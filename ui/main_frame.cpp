#include "ui/main_frame.h"

#include <wx/aui/auibook.h>
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/iconbndl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include <memory>

#include "app/lumora_app.h"
#include "app/profile.h"
#include "app/system_info.h"
#include "base/text.h"
#include "run/run_analysis.h"
#include "run/statistics_step.h"
#include "ui/about_dialog.h"
#include "ui/artwork.h"
#include "ui/command_ids.h"
#include "ui/main_ribbon.h"
#include "ui/output_pane.h"
#include "ui/plot_figures.h"
#include "ui/result_window.h"
#include "ui/run_checks.h"
#include "ui/task_pane.h"
#include "ui/welcome_page.h"

namespace lumora {
namespace {

constexpr const char* kOutputPane = "output";
constexpr const char* kTasksPane = "tasks";
enum StatusField { kStatusText = 0, kStatusGauge = 1, kStatusCancel = 2 };

/// Runs one analysis as "Make" does; the seam carries everything it says.
/// Whatever escapes the core ends the run with a message, not the program.
bool RunMake(CLumoraApp& app, UserInterface& ui, RunHands& hands) {
  try {
    if (app.m_settings.Source == kDatabaseSource) {
      if (const auto problem = CheckDatabaseReachable(app.m_settings, app.m_log)) {
        ui.ShowMessage(*problem);
        return false;
      }
    }
    return RunAnalysis(app, ui, &hands);
  } catch (const std::exception& error) {
    ui.ShowMessage(L"The analysis stopped: " + Utf8ToWide(error.what()));
  }
  return false;
}

}  // namespace

CMainFrame::CMainFrame(Profile& profile, CLumoraApp& app)
    : wxFrame(nullptr, wxID_ANY, wxString("Lumora ") + kVersionNumber, wxDefaultPosition,
              wxSize(1400, 940)),
      m_profile(profile),
      m_app(app),
      m_editor(profile, app),
      m_ui(*this) {
  wxIconBundle icons;
  for (int size : {16, 32, 48, 128}) {
    wxIcon icon;
    icon.CopyFromBitmap(AppIcon(size));
    icons.AddIcon(icon);
  }
  SetIcons(icons);

  m_ribbon = new MainRibbon(this, m_editor);
  ApplyLook(*m_ribbon, m_editor.Recall(kApplicationLook));

  auto* dock = new wxPanel(this);
  m_aui.SetManagedWindow(dock);
  m_results = new wxAuiNotebook(
      dock, wxID_ANY, wxDefaultPosition, wxDefaultSize,
      wxAUI_NB_TOP | wxAUI_NB_TAB_MOVE | wxAUI_NB_SCROLL_BUTTONS | wxAUI_NB_CLOSE_ON_ACTIVE_TAB);
  m_results->AddPage(new CLumoraView(m_results), "Welcome", true);
  m_aui.AddPane(m_results, wxAuiPaneInfo().Name("results").CenterPane().PaneBorder(false));
  m_output = new COutputWnd(dock);
  m_aui.AddPane(m_output, wxAuiPaneInfo()
                              .Name(kOutputPane)
                              .Caption("Output")
                              .Bottom()
                              .BestSize(-1, 190)
                              .MinSize(-1, 120)
                              .MaximizeButton(false));
  m_tasks = new CMSMTasksPane(dock);
  m_aui.AddPane(
      m_tasks,
      wxAuiPaneInfo().Name(kTasksPane).Caption("Tasks").Right().BestSize(310, -1).MinSize(260, -1));

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_ribbon, 0, wxEXPAND);
  sizer->Add(dock, 1, wxEXPAND);
  SetSizer(sizer);
  BuildMenus();
  BuildStatusBar();
  // The docks take their best sizes from the dock area's size: lay it out first.
  Layout();
  m_aui.Update();
  ShowViewChecks();

  Bind(wxEVT_RIBBONBUTTONBAR_CLICKED, &CMainFrame::OnMake, this, ids::kMake);
  Bind(wxEVT_RIBBONBUTTONBAR_CLICKED, &CMainFrame::OnCompare, this, ids::kCompare);
  Bind(
      wxEVT_RIBBONBUTTONBAR_CLICKED,
      [this](wxRibbonButtonBarEvent&) { ShowOutputPane(!m_aui.GetPane(kOutputPane).IsShown()); },
      ids::kOutputWindow);
  Bind(
      wxEVT_RIBBONBUTTONBAR_CLICKED,
      [this](wxRibbonButtonBarEvent&) {
        GetStatusBar()->Show(!GetStatusBar()->IsShown());
        SendSizeEvent();
        ShowViewChecks();
      },
      ids::kStatusBar);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ShowOutputPane(false); }, ids::kHideOutput);
  Bind(wxEVT_AUI_PANE_CLOSE, [this](wxAuiManagerEvent& event) {
    CallAfter([this] { ShowViewChecks(); });  // the pane is hidden after the event
    event.Skip();
  });
  Bind(wxEVT_RIBBONBAR_HELP_CLICK, [this](wxRibbonBarEvent&) { ShowAboutBox(this); });
  Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);

  m_editor.OnSettingsNotKept([this] {
    CallAfter([this] {
      const std::wstring problem = m_profile.Problem();
      wxMessageBox(!problem.empty()
                       ? wxString(problem)
                       : wxString::Format("Your settings cannot be kept in %s: Lumora uses them "
                                          "until it closes and starts with its defaults next time.",
                                          PathToText(m_profile.path())),
                   "Lumora", wxOK | wxICON_WARNING, this);
    });
  });
  m_editor.CheckProfileKept();
}

CMainFrame::~CMainFrame() {
  m_aui.UnInit();
}

void CMainFrame::BuildMenus() {
  auto* file = new wxMenu;
  file->Append(wxID_CLOSE, "&Close");
  file->Append(wxID_EXIT, "E&xit");
  auto* style = new wxMenu;
  for (int id = ids::kFirstLook; id <= ids::kLastLook; ++id)
    style->AppendRadioItem(id, kLookLabels[id - ids::kFirstLook]);
  const int look = m_editor.Recall(kApplicationLook);
  style->Check(
      look >= ids::kFirstLook && look <= ids::kLastLook ? look : kApplicationLook.defaultValue,
      true);
  auto* help = new wxMenu;
  help->Append(wxID_ABOUT, "&About Lumora...");
  auto* bar = new wxMenuBar;
  bar->Append(file, "&File");
  bar->Append(style, "&Style");
  bar->Append(help, "&Help");
  SetMenuBar(bar);

  Bind(
      wxEVT_MENU,
      [this](wxCommandEvent&) {
        const int page = m_results->GetSelection();
        if (page != wxNOT_FOUND) m_results->DeletePage(page);
      },
      wxID_CLOSE);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ShowAboutBox(this); }, wxID_ABOUT);
  Bind(wxEVT_MENU, &CMainFrame::OnLook, this, ids::kFirstLook, ids::kLastLook);
}

void CMainFrame::BuildStatusBar() {
  wxStatusBar* status = CreateStatusBar(3);
  const int widths[] = {-1, 240, 96};
  status->SetStatusWidths(3, widths);
  status->SetStatusText("Ready", kStatusText);
  m_gauge = new wxGauge(status, wxID_ANY, 100);
  m_cancel = new wxButton(status, ids::kCancelRun, "Cancel", wxDefaultPosition, wxDefaultSize,
                          wxBU_EXACTFIT);
  m_gauge->Hide();
  m_cancel->Hide();
  m_cancel->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    m_ui.RequestCancel();
    m_cancel->Disable();
    SetStatusText("Cancelling...", kStatusText);
  });
  status->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    PlaceStatusControls();
    event.Skip();
  });
  PlaceStatusControls();
}

void CMainFrame::PlaceStatusControls() {
  wxStatusBar* status = GetStatusBar();
  wxRect field;
  if (status->GetFieldRect(kStatusGauge, field)) m_gauge->SetSize(field.Deflate(2, 2));
  if (status->GetFieldRect(kStatusCancel, field)) m_cancel->SetSize(field.Deflate(1, 0));
}

void CMainFrame::ShowViewChecks() {
  m_ribbon->ShowViewChecks(m_aui.GetPane(kOutputPane).IsShown(), GetStatusBar()->IsShown());
}

void CMainFrame::ShowOutputPane(bool show) {
  m_aui.GetPane(kOutputPane).Show(show);
  m_aui.Update();
  ShowViewChecks();
}

void CMainFrame::AddOutputLine(const std::wstring& line) {
  m_output->list(COutputWnd::kDebug).AddLine(line);
}

void CMainFrame::ShowProgress(std::size_t done, std::size_t total, WorkUnit unit) {
  if (!IsRunning()) return;
  m_gauge->SetRange(static_cast<int>(std::max<std::size_t>(total, 1)));
  m_gauge->SetValue(static_cast<int>(std::min(done, total)));
  if (m_cancel->IsEnabled())
    SetStatusText(
        wxString::Format("Reading %s: %zu of %zu",
                         unit == WorkUnit::kFiles ? "files" : "stored hands", done, total),
        kStatusText);
}

void CMainFrame::ShowComparison(const Comparison& comparison) {
  m_tasks->ShowComparison(comparison);
}

void CMainFrame::OnMake(wxRibbonButtonBarEvent&) {
  if (IsRunning()) return;
  if (const auto problem = CheckRunInputs(m_app.m_settings)) {
    wxMessageBox(*problem, "Lumora", wxOK | wxICON_WARNING, this);
    return;
  }
  m_ui.Reset();
  m_ribbon->SetRunning(true);
  // The Cancel control lives in the status bar, so the bar must show.
  if (!GetStatusBar()->IsShown()) {
    GetStatusBar()->Show();
    SendSizeEvent();
    ShowViewChecks();
  }
  m_gauge->SetValue(0);
  m_gauge->Show();
  m_cancel->Enable();
  m_cancel->Show();
  SetStatusText("Reading files...", kStatusText);
  m_output->ShowDebug();
  m_worker = std::thread([this] {
    RunHands hands;
    hands.kept = RunHands::Kept::kGraph;
    const bool finished = RunMake(m_app, m_ui, hands);
    // The results graph's lines are worked out here, off the window's thread.
    auto results = std::make_shared<ResultsSeries>(finished ? MakeResultsSeries(hands.graph)
                                                            : ResultsSeries{});
    CallAfter([this, finished, results] { OnRunFinished(finished, std::move(*results)); });
  });
}

void CMainFrame::OnRunFinished(bool finished, ResultsSeries results) {
  if (m_worker.joinable()) m_worker.join();
  if (m_closing) return;
  m_ribbon->SetRunning(false);
  m_gauge->Hide();
  m_cancel->Hide();
  SetStatusText(finished ? "Ready" : "The analysis ended early.", kStatusText);
  for (const std::wstring& message : m_ui.TakeMessages())
    wxMessageBox(message, "Lumora", wxOK | wxICON_INFORMATION, this);
  if (finished) OpenResultWindow(std::move(results));
}

void CMainFrame::OpenResultWindow(ResultsSeries results) {
  const RunSettings& s = m_app.m_settings;
  CLumoraDoc document{Format(L"BB %d", s.CashLimit), PlotTitle(s), m_app.m_summary,
                      m_app.m_rorCurve, std::move(results)};
  const wxString title = document.title;
  m_results->AddPage(new CResultWindow(m_results, std::move(document)), title, true);
}

void CMainFrame::OnCompare(wxRibbonButtonBarEvent&) {
  if (IsRunning()) return;
  SetStatusText(RefreshComparisonDisplay(m_app, m_ui)
                    ? "Ready"
                    : "Compare: both limits must have been analysed since the start, in the "
                      "comparison's currency.",
                kStatusText);
}

void CMainFrame::OnLook(wxCommandEvent& event) {
  wxBusyCursor busy;
  ApplyLook(*m_ribbon, event.GetId());
  m_editor.Remember(kApplicationLook, event.GetId());
  Refresh();
}

void CMainFrame::OnClose(wxCloseEvent& event) {
  m_closing = true;
  if (m_worker.joinable()) {
    // The run stops after the file in hand; its queued reports die with
    // the frame.
    m_ui.RequestCancel();
    m_worker.join();
  }
  event.Skip();
}

}  // namespace lumora
