#pragma once
// Whether a hand's text reaches its end. A hand whose text stops before its
// summary (a truncated file, a lost connection) has no trustworthy result.
// The summary stands near the end, so the lines are searched from the last.

#include <string_view>

#include "base/history_file.h"
#include "base/text.h"

namespace lumora {

/// True when a line of `lines`, trimmed, equals `marker`.
inline bool HasLineFromEnd(const TextLines& lines, std::wstring_view marker) {
  for (auto line = lines.rbegin(); line != lines.rend(); ++line)
    if (TrimView(*line) == marker) return true;
  return false;
}

/// True when a line of `lines` contains `words` after its start.
inline bool HasLineContainingFromEnd(const TextLines& lines, std::wstring_view words) {
  for (auto line = lines.rbegin(); line != lines.rend(); ++line)
    if (ContainsAfterStart(*line, words)) return true;
  return false;
}

}  // namespace lumora
