#include "ui/desktop_app.h"

#include <wx/cmdline.h>
#include <wx/image.h>

#include "app/log_file.h"
#include "app/settings_store.h"
#include "base/local_time.h"
#include "ui/main_frame.h"

namespace lumora {

void DesktopApp::OnInitCmdLine(wxCmdLineParser& parser) {
  wxApp::OnInitCmdLine(parser);
  parser.AddOption("", "profile", "Profile file (default: ~/.config/lumora/lumora.ini)");
  parser.AddOption("", "log", "Log file (default: ~/.local/state/lumora/Lumora.log)");
}

bool DesktopApp::OnCmdLineParsed(wxCmdLineParser& parser) {
  wxString value;
  m_profilePath = parser.Found("profile", &value) ? std::filesystem::path(value.ToStdString())
                                                  : Profile::DefaultPath();
  m_logPath =
      parser.Found("log", &value) ? std::filesystem::path(value.ToStdString()) : DefaultLogPath();
  return wxApp::OnCmdLineParsed(parser);
}

bool DesktopApp::OnInit() {
  if (!wxApp::OnInit()) return false;
  SetAppName("lumora");
  SetAppDisplayName("Lumora");
  wxInitAllImageHandlers();
  m_app = std::make_unique<CLumoraApp>(m_logPath);
  WriteStartupBlock(m_app->m_log);
  m_profile = std::make_unique<Profile>(m_profilePath);
  LoadSavedState(*m_profile, *m_app, NowSeconds());
  auto* frame = new CMainFrame(*m_profile, *m_app);
  frame->Show();
  return true;
}

}  // namespace lumora
