#include "base/system_description.h"

#include <wx/utils.h>

#include <thread>

#include "base/text.h"

namespace lumora {

std::wstring OperatingSystemDescription() {
  return L"OS: " + wxGetOsDescription().ToStdWstring();
}

std::wstring ProcessorDescription() {
  return Format(L"CPU: %s, %d logical processors", wxGetCpuArchitectureName().ToStdWstring(),
                static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace lumora
