#pragma once
// Helpers for the readers' tests: hands written inline as text, a filter
// with the usual settings, and one equity engine for the whole program.

#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "equity/poker_logic.h"
#include "history/hand_filter.h"
#include "history/hand_reading.h"

namespace lumora::testing {

/// The lines of `text`, one per line feed, each trimmed of the indentation
/// that raw strings in tests carry.
inline std::vector<std::wstring> Lines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find(L'\n', start);
    const std::wstring_view line =
        text.substr(start, end == std::wstring_view::npos ? end : end - start);
    lines.emplace_back(TrimView(line));
    if (end == std::wstring_view::npos) break;
    start = end + 1;
  }
  if (!lines.empty() && lines.front().empty()) lines.erase(lines.begin());
  return lines;
}

/// Views of `lines` as the hand readers take them, trimmed.
inline HandLines ViewsOf(const std::vector<std::wstring>& lines) {
  HandLines views;
  for (const std::wstring& line : lines) views.push_back(TrimView(line));
  return views;
}

/// Hero "Bob" at a USD table, every table size and game, the whole of time.
inline HandFilter BobsFilter() {
  HandFilter filter;
  filter.nick = L"Bob";
  filter.room = 1;
  filter.timeFrom = 0;
  filter.timeTo = 32503680000;
  filter.cashLimit = 0;
  filter.numPl = 4;
  filter.zoom = 1;
  filter.nonZoom = 1;
  return filter;
}

/// One engine for the whole test program: its tables take a moment to build.
inline const PokerLogic& Engine() {
  static const PokerLogic engine;
  return engine;
}

}  // namespace lumora::testing
