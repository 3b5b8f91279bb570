#include "base/system_description.h"

#include <wx/utils.h>

#include <optional>
#include <thread>

#include "base/text.h"

#if defined(__linux__)
#include <sys/utsname.h>
#endif

namespace lumora {
namespace {

#if defined(__linux__)
/// The kernel's own names, as "uname" prints them: wx would start a shell
/// and the uname program for each, twice over at every run's start.
std::optional<utsname> KernelNames() {
  utsname names{};
  if (uname(&names) != 0) return std::nullopt;
  return names;
}
#endif

}  // namespace

std::wstring OperatingSystemDescription() {
#if defined(__linux__)
  if (const std::optional<utsname> names = KernelNames())
    return L"OS: " +
           Utf8ToWide(std::string(names->sysname) + ' ' + names->release + ' ' + names->machine);
#endif
  return L"OS: " + wxGetOsDescription().ToStdWstring();
}

std::wstring ProcessorDescription() {
  std::wstring architecture;
#if defined(__linux__)
  if (const std::optional<utsname> names = KernelNames()) architecture = Utf8ToWide(names->machine);
#endif
  if (architecture.empty()) architecture = wxGetCpuArchitectureName().ToStdWstring();
  return Format(L"CPU: %s, %d logical processors", architecture,
                static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace lumora
