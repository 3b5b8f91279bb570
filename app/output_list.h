#pragma once
// The lines of the output pane. A long run writes more lines than anybody
// scrolls through, so the oldest leave first; the log keeps everything.

#include <cstddef>
#include <deque>
#include <string>

namespace lumora {

/// Entries kept before a new line is added.
inline constexpr std::size_t kOutputListLimit = 1000;

class OutputList {
 public:
  /// Drops the oldest entries while more than kOutputListLimit are held, then
  /// appends `line`: the list never holds more than the limit plus one.
  void Add(std::wstring line);
  const std::deque<std::wstring>& lines() const { return m_lines; }
  void Clear() { m_lines.clear(); }

 private:
  std::deque<std::wstring> m_lines;
};

}  // namespace lumora
