#include "cli/picture_module.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <mutex>
#include <system_error>
#include <vector>

#include "app/system_info.h"
#include "base/text.h"

namespace lumora {
namespace {

/// The entry point, or the reason it could not be had.
struct LoadedEntry {
  PictureModuleEntry* entry = nullptr;
  std::wstring failure;
};

/// Where the module may be: beside the program (the build tree) or where
/// the installation puts it.
std::vector<std::filesystem::path> ModulePlaces() {
  const std::filesystem::path folder = GetExecPath().parent_path();
  return {folder / LUMORA_PICTURE_MODULE, folder / ".." / "lib" / "lumora" / LUMORA_PICTURE_MODULE};
}

/// Loads the first module found. It is never unloaded: the GUI library it
/// brings registers what runs at exit.
LoadedEntry LoadEntry() {
  LoadedEntry loaded;
  for (const std::filesystem::path& place : ModulePlaces()) {
    std::error_code error;
    if (!std::filesystem::exists(place, error)) continue;
#if defined(_WIN32)
    HMODULE module = LoadLibraryW(place.c_str());
    if (!module) {
      loaded.failure = PathToText(place) + L" cannot be loaded";
      return loaded;
    }
    loaded.entry =
        reinterpret_cast<PictureModuleEntry*>(GetProcAddress(module, kPictureModuleEntry));
#else
    void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      const char* why = dlerror();
      loaded.failure = PathToText(place) + L" cannot be loaded: " + Utf8ToWide(why ? why : "");
      return loaded;
    }
    loaded.entry = reinterpret_cast<PictureModuleEntry*>(dlsym(module, kPictureModuleEntry));
#endif
    if (!loaded.entry) loaded.failure = PathToText(place) + L" is no picture module";
    return loaded;
  }
  loaded.failure = L"the picture module " + Utf8ToWide(LUMORA_PICTURE_MODULE) +
                   L" is not installed beside the program";
  return loaded;
}

}  // namespace

bool SavePlotPicture(PlotModel& plot, int width, int height, const std::filesystem::path& path,
                     std::wstring& error) {
  static std::once_flag once;
  static LoadedEntry loaded;
  std::call_once(once, [] { loaded = LoadEntry(); });
  if (!loaded.entry) {
    error = loaded.failure;
    return false;
  }
  if (loaded.entry(plot, width, height, path)) return true;
  error.clear();
  return false;
}

}  // namespace lumora
