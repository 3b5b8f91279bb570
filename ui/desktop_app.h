#pragma once
// The desktop program's application object: reads its command line, opens
// the log and writes the start-up block, opens the profile, loads the saved
// settings and shows the main window. It owns the profile and the shared
// state for the life of the process.

#include <wx/app.h>

#include <memory>

#include "app/lumora_app.h"
#include "app/profile.h"

namespace lumora {

class DesktopApp : public wxApp {
 public:
  bool OnInit() override;
  void OnInitCmdLine(wxCmdLineParser& parser) override;
  bool OnCmdLineParsed(wxCmdLineParser& parser) override;

 private:
  std::filesystem::path m_profilePath;
  std::filesystem::path m_logPath;
  // The main frame holds references to both; it is destroyed before the
  // application object is.
  std::unique_ptr<Profile> m_profile;
  std::unique_ptr<CLumoraApp> m_app;
};

}  // namespace lumora
