#pragma once
// The command line's pictures are drawn with wx's GUI library, which takes
// longer to load than a small run takes to read its hands. It lives in a
// module beside the program, loaded the first time a run asks for a picture.

#include <filesystem>
#include <string>

namespace lumora {

class PlotModel;

/// The module's one entry point, exported under kPictureModuleEntry: writes
/// `plot`, drawn at `width` by `height` pixels, as a PNG file; false when the
/// file cannot be written.
using PictureModuleEntry = bool(PlotModel& plot, int width, int height,
                                const std::filesystem::path& path);
inline constexpr char kPictureModuleEntry[] = "lumora_save_plot_png";

/// Writes `plot` as the module does. False, with `error` saying why, when
/// the module cannot be loaded or the file cannot be written.
bool SavePlotPicture(PlotModel& plot, int width, int height, const std::filesystem::path& path,
                     std::wstring& error);

}  // namespace lumora
