#include "ui/artwork.h"

#include <wx/bmpbndl.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/ribbon/art.h>
#include <wx/ribbon/bar.h>

#include <memory>

#include "ui/icon_svg.h"

namespace lumora {
namespace {

const wxColour kInk(52, 64, 84);
const wxColour kPaper(250, 250, 246);
const wxColour kGold(236, 182, 48);
const wxColour kGoldEdge(170, 118, 20);
const wxColour kFelt(36, 128, 76);
const wxColour kBlue(58, 110, 196);
const wxColour kRed(206, 64, 52);

/// Drawing in a 32-unit square, whatever the bitmap's size.
class Sketch {
 public:
  explicit Sketch(wxGraphicsContext& gc) : m_gc(gc) {}

  void Box(double x, double y, double w, double h, const wxColour& fill, double radius = 1.5) {
    Style(fill);
    m_gc.DrawRoundedRectangle(x, y, w, h, radius);
  }
  void Disc(double cx, double cy, double r, const wxColour& fill) {
    Style(fill);
    m_gc.DrawEllipse(cx - r, cy - r, 2 * r, 2 * r);
  }
  void Ellipse(double x, double y, double w, double h, const wxColour& fill) {
    Style(fill);
    m_gc.DrawEllipse(x, y, w, h);
  }
  void Line(double x1, double y1, double x2, double y2, const wxColour& colour, double width) {
    m_gc.SetPen(m_gc.CreatePen(wxGraphicsPenInfo(colour).Width(width).Cap(wxCAP_ROUND)));
    m_gc.StrokeLine(x1, y1, x2, y2);
  }
  void Polygon(std::initializer_list<wxPoint2DDouble> points, const wxColour& fill) {
    Style(fill);
    wxGraphicsPath path = m_gc.CreatePath();
    path.MoveToPoint(*points.begin());
    for (auto p = points.begin() + 1; p != points.end(); ++p) path.AddLineToPoint(*p);
    path.CloseSubpath();
    m_gc.DrawPath(path);
  }
  /// A coin with a currency sign.
  void Coin(const wchar_t* sign) {
    Disc(16, 16, 14, kGold);
    m_gc.SetPen(m_gc.CreatePen(wxGraphicsPenInfo(kGoldEdge).Width(1.5)));
    m_gc.SetBrush(*wxTRANSPARENT_BRUSH);
    m_gc.DrawEllipse(6, 6, 20, 20);
    m_gc.SetFont(m_gc.CreateFont(wxFont(wxFontInfo(15).Family(wxFONTFAMILY_SWISS).Bold()),
                                 kGoldEdge.ChangeLightness(60)));
    double w = 0, h = 0;
    m_gc.GetTextExtent(sign, &w, &h);
    m_gc.DrawText(sign, 16 - w / 2, 16 - h / 2);
  }

 private:
  void Style(const wxColour& fill) {
    m_gc.SetBrush(wxBrush(fill));
    m_gc.SetPen(m_gc.CreatePen(wxGraphicsPenInfo(fill.ChangeLightness(60)).Width(1.2)));
  }
  wxGraphicsContext& m_gc;
};

void Draw(Sketch& s, RibbonIcon icon) {
  switch (icon) {
    case RibbonIcon::kOutput:
      s.Box(3, 5, 26, 22, kPaper);
      for (double y : {11.0, 16.0, 21.0}) s.Line(8, y, 24, y, kInk, 2);
      break;
    case RibbonIcon::kStatusBar:
      s.Box(3, 5, 26, 22, kPaper);
      s.Box(3, 21, 26, 6, kBlue, 1);
      break;
    case RibbonIcon::kHistory:
      s.Box(9, 3, 19, 25, kPaper);
      s.Box(4, 6, 19, 24, kPaper);
      for (double y : {12.0, 17.0, 22.0}) s.Line(8, y, 19, y, kInk, 1.8);
      break;
    case RibbonIcon::kDatabase:
      s.Box(6, 8, 20, 18, kBlue, 0);
      s.Ellipse(6, 21, 20, 8, kBlue);
      s.Box(6, 8, 20, 17, kBlue, 0);
      s.Ellipse(6, 4, 20, 8, kBlue.ChangeLightness(140));
      break;
    case RibbonIcon::kUsd:
      s.Coin(L"$");
      break;
    case RibbonIcon::kEuro:
      s.Coin(L"\u20AC");
      break;
    case RibbonIcon::kGbp:
      s.Coin(L"\u00A3");
      break;
    case RibbonIcon::kDateRange:
      s.Box(4, 6, 24, 22, kPaper);
      s.Box(4, 6, 24, 7, kRed, 1.5);
      for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) s.Box(7 + col * 5.2, 15 + row * 4.2, 3, 2.6, kInk, 0.5);
      break;
    case RibbonIcon::kGameSelection:
      for (int row = 0; row < 3; ++row) {
        s.Box(4, 4 + row * 9, 7, 7, kPaper, 1);
        s.Line(14, 7.5 + row * 9, 28, 7.5 + row * 9, kInk, 2);
      }
      s.Line(5, 16, 7.5, 18.5, kFelt, 2);
      s.Line(7.5, 18.5, 12, 13, kFelt, 2);
      break;
    case RibbonIcon::kPlayersSeated:
      s.Disc(11, 10, 5, kBlue);
      s.Ellipse(3, 17, 16, 13, kBlue);
      s.Disc(22, 10, 5, kFelt);
      s.Ellipse(14, 17, 16, 13, kFelt);
      break;
    case RibbonIcon::kNonZoom:
      s.Ellipse(3, 8, 26, 16, kFelt);
      s.Ellipse(7, 11, 18, 10, kFelt.ChangeLightness(125));
      break;
    case RibbonIcon::kZoom:
      s.Polygon({{19, 2}, {6, 18}, {15, 18}, {12, 30}, {26, 13}, {17, 13}}, kGold);
      break;
    case RibbonIcon::kMake:
      s.Disc(16, 16, 14, kFelt);
      s.Polygon({{12, 9}, {24, 16}, {12, 23}}, kPaper);
      break;
    case RibbonIcon::kCompare:
      s.Box(4, 14, 7, 15, kBlue, 1);
      s.Box(13, 6, 7, 23, kGold, 1);
      s.Box(22, 18, 7, 11, kRed, 1);
      break;
    case RibbonIcon::kBrowse:
      s.Polygon({{3, 8}, {12, 8}, {15, 11}, {29, 11}, {29, 27}, {3, 27}}, kGold);
      break;
  }
}

struct Look {
  bool flat;  ///< the flat art of the Windows 7 look
  wxColour primary, secondary, tertiary;
};

Look LookOf(int lookId) {
  switch (lookId) {
    case 215:
      return {false, wxColour(194, 216, 241), wxColour(255, 223, 114), wxColour(0, 0, 0)};
    case 217:
      return {false, wxColour(214, 214, 214), wxColour(255, 214, 120), wxColour(0, 0, 0)};
    case 218:
      return {false, wxColour(178, 224, 226), wxColour(255, 206, 120), wxColour(0, 0, 0)};
    case 219:
      return {true, wxColour(232, 238, 246), wxColour(120, 172, 228), wxColour(0, 0, 0)};
    default:
      // Grey without a hue: the art provider keeps it grey.
      return {false, wxColour(96, 96, 96), wxColour(255, 200, 96), wxColour(0, 0, 0)};
  }
}

}  // namespace

wxBitmap AppIcon(int size) {
  return wxBitmapBundle::FromSVG(kLumoraIconSvg, wxSize(size, size)).GetBitmap(wxSize(size, size));
}

wxBitmap RibbonBitmap(RibbonIcon icon, int size) {
  wxImage image(size, size);
  image.InitAlpha();
  std::fill_n(image.GetAlpha(), size * size, 0);
  {
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
    gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
    gc->Scale(size / 32.0, size / 32.0);
    Sketch sketch(*gc);
    Draw(sketch, icon);
  }
  return wxBitmap(image);
}

void ApplyLook(wxRibbonBar& ribbon, int lookId) {
  const Look look = LookOf(lookId);
  wxRibbonArtProvider* art = look.flat
                                 ? static_cast<wxRibbonArtProvider*>(new wxRibbonAUIArtProvider)
                                 : new wxRibbonMSWArtProvider;
  art->SetColourScheme(look.primary, look.secondary, look.tertiary);
  ribbon.SetArtProvider(art);
  ribbon.Realize();
  ribbon.Refresh();
}

}  // namespace lumora
