#pragma once
// Drawing a line plot: one routine for the window (CLinePlot), its "Export"
// and the command line's pictures. It draws through a wxGraphicsContext,
// which needs no display when it draws into an image.

#include <wx/gdicmn.h>

#include <filesystem>

class wxGraphicsContext;
class wxImage;

namespace lumora {

class PlotModel;

/// Lays `plot` out in `size` pixels and draws it: white ground, titles,
/// grid and ticks, the series clipped to the plot, the legend with two or
/// more series, the status line of the selected series, and the drag
/// rectangle or the crosshair.
void RenderPlot(wxGraphicsContext& gc, PlotModel& plot, const wxSize& size);

/// The plot drawn into an image of `size` pixels.
wxImage RenderPlotImage(PlotModel& plot, const wxSize& size);

/// Writes the plot drawn at `size` as a PNG file; false when it cannot be
/// written. Needs no display.
bool SavePlotPng(PlotModel& plot, const wxSize& size, const std::filesystem::path& path);

}  // namespace lumora
