#pragma once
// A pie chart with a little depth, drawn on white: the comparison's mix of
// two limits. Painting goes through Render, which a test can run into a
// memory bitmap.

#include <wx/colour.h>
#include <wx/window.h>

#include <vector>

class wxDC;

namespace lumora {

struct PieSlice {
  wxString title;
  double value = 0.0;  ///< share of the pie; negative or not finite counts as 0
  wxColour colour;
};

class CPieChart : public wxWindow {
 public:
  explicit CPieChart(wxWindow* parent);

  void SetSlices(std::vector<PieSlice> slices);
  const std::vector<PieSlice>& slices() const { return m_slices; }

  /// Draws the chart filling `size` pixels of `dc`: the pie above, a legend
  /// line per slice ("title value%") below.
  void Render(wxDC& dc, const wxSize& size) const;

 private:
  void OnPaint(wxPaintEvent& event);

  std::vector<PieSlice> m_slices;
};

}  // namespace lumora
