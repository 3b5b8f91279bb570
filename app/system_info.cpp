#include "app/system_info.h"

#include <wx/stdpaths.h>

#include <system_error>

#include "app/log_file.h"
#include "base/system_description.h"
#include "base/text.h"

namespace lumora {

std::wstring BuildDateText() {
  return L"Version build date:  " + Utf8ToWide(__DATE__) + L" - " + Utf8ToWide(__TIME__);
}

std::filesystem::path GetExecPath() {
  std::error_code error;
  // /proc/self/exe needs no framework; elsewhere wx knows.
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return path;
  return std::filesystem::path(wxStandardPaths::Get().GetExecutablePath().ToStdWstring());
}

std::filesystem::path GetUserStateDir() {
  std::filesystem::path dir;
  // XDG ignores a relative XDG_STATE_HOME.
  if (const char* xdg = std::getenv("XDG_STATE_HOME");
      xdg && std::filesystem::path(xdg).is_absolute()) {
    dir = std::filesystem::path(xdg) / "lumora";
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    dir = std::filesystem::path(home) / ".local" / "state" / "lumora";
  } else {
    dir = std::filesystem::temp_directory_path() / "lumora";
  }
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  return dir;
}

void OSInfoLog(LogFile& log) {
  log.WriteRaw(OperatingSystemDescription() + L"\n");
}

void CPUInfoLog(LogFile& log) {
  log.WriteRaw(ProcessorDescription() + L"\n");
}

}  // namespace lumora
