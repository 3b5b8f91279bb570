// The picture module that lumora-cli loads when a run asks for a picture:
// the plot renderer of the result windows, with wx's GUI library.

#include <type_traits>

#include "cli/picture_module.h"
#include "ui/plot_render.h"

#if defined(_WIN32)
#define LUMORA_MODULE_EXPORT __declspec(dllexport)
#else
#define LUMORA_MODULE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" LUMORA_MODULE_EXPORT bool lumora_save_plot_png(lumora::PlotModel& plot, int width,
                                                          int height,
                                                          const std::filesystem::path& path) {
  static_assert(std::is_same_v<decltype(lumora_save_plot_png), lumora::PictureModuleEntry>);
  try {
    return lumora::SavePlotPng(plot, wxSize(width, height), path);
  } catch (...) {
    return false;  // no exception crosses into the program
  }
}
