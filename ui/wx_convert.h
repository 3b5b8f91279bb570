#pragma once
// Between the core's values and wx's: texts and 0xRRGGBB colours.

#include <wx/colour.h>
#include <wx/string.h>

#include <cstdint>
#include <string_view>

namespace lumora {

inline wxString ToWx(std::wstring_view text) {
  return wxString(text.data(), text.size());
}

/// A colour written 0xRRGGBB.
inline wxColour ToWx(uint32_t rgb) {
  return wxColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

inline uint32_t ToRgb(const wxColour& colour) {
  return (uint32_t(colour.Red()) << 16) | (uint32_t(colour.Green()) << 8) | colour.Blue();
}

}  // namespace lumora
