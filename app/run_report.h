#pragma once
// Where a run's report lines go: each is formatted once, then written to the
// log and to the output in the order the line calls for.

#include <string_view>
#include <vector>

namespace lumora {

class LogFile;
class UserInterface;

class RunReport {
 public:
  RunReport(LogFile& log, UserInterface& ui) : m_log(log), m_ui(ui) {}

  /// To the log, then to the output.
  void Report(std::wstring_view line);
  /// To the output, then to the log (the loss and Sharpe lines).
  void ReportOutputFirst(std::wstring_view line);
  void LogOnly(std::wstring_view line);
  /// Several lines to the log in one write (the all-in blocks of a source).
  void LogOnly(const std::vector<std::wstring_view>& lines);
  /// An output entry shows without its final line feed; the log keeps it.
  void OutputOnly(std::wstring_view line);

 private:
  LogFile& m_log;
  UserInterface& m_ui;
};

}  // namespace lumora
