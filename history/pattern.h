#pragma once
// Matching hand-history lines against their patterns. Every pattern is a
// Boost.Regex wide pattern compiled once (a static const where it is used)
// and matched against the whole trimmed line; the readers test a cheap prefix
// or substring first, so most lines never reach a pattern.

#include <boost/regex.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/text.h"

namespace lumora {

using LineMatch = boost::match_results<std::wstring_view::const_iterator>;

/// True when the whole of `text` matches `pattern`; `match` then holds the
/// captures (valid while `text` is). A line so long and odd that the matcher
/// gives up is a line that does not match, never an exception out of a reader.
inline bool MatchLine(std::wstring_view text, const boost::wregex& pattern, LineMatch& match) {
  try {
    return boost::regex_match(text.begin(), text.end(), match, pattern);
  } catch (const std::runtime_error&) {
    return false;
  }
}

/// True when `pattern` matches somewhere within `text`.
inline bool SearchLine(std::wstring_view text, const boost::wregex& pattern, LineMatch& match) {
  try {
    return boost::regex_search(text.begin(), text.end(), match, pattern);
  } catch (const std::runtime_error&) {
    return false;
  }
}

/// Capture `i` as a view of the matched text.
inline std::wstring_view CaptureView(const LineMatch& match, int i) {
  if (!match[i].matched || match[i].length() == 0) return {};
  return std::wstring_view(&*match[i].first, static_cast<size_t>(match[i].length()));
}

inline std::wstring Capture(const LineMatch& match, int i) {
  return std::wstring(CaptureView(match, i));
}

/// Capture `i` read as a whole number (as _wtoi reads it).
inline int CaptureInt(const LineMatch& match, int i) {
  return ParseInt(CaptureView(match, i));
}

}  // namespace lumora
