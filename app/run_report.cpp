#include "app/run_report.h"

#include <string>

#include "app/log_file.h"
#include "app/user_interface.h"

namespace lumora {

void RunReport::Report(std::wstring_view line) {
  LogOnly(line);
  OutputOnly(line);
}

void RunReport::ReportOutputFirst(std::wstring_view line) {
  OutputOnly(line);
  LogOnly(line);
}

void RunReport::LogOnly(std::wstring_view line) {
  LogOnly(std::vector<std::wstring_view>{line});
}

void RunReport::LogOnly(const std::vector<std::wstring_view>& lines) {
  m_log.WriteLogLines(lines);
  // A log that cannot be written is said once, where the report shows.
  if (const std::wstring failure = m_log.TakeFailure(); !failure.empty()) m_ui.ShowMessage(failure);
}

void RunReport::OutputOnly(std::wstring_view line) {
  if (line.ends_with(L'\n')) line.remove_suffix(1);
  m_ui.AddOutputLine(std::wstring(line));
}

}  // namespace lumora
