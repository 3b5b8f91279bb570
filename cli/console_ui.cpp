#include "cli/console_ui.h"

#include "base/text.h"

namespace lumora {

void WriteUtf8(std::FILE* stream, std::wstring_view text) {
  const std::string bytes = WideToUtf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

ConsoleUi::ConsoleUi(std::FILE* out, std::FILE* err, bool showProgress)
    : m_out(out), m_err(err), m_showProgress(showProgress) {}

void ConsoleUi::AddOutputLine(const std::wstring& line) {
  ClearProgress();
  WriteUtf8(m_out, line);
  std::fputc('\n', m_out);
  std::fflush(m_out);
}

void ConsoleUi::ShowMessage(const std::wstring& text) {
  ClearProgress();
  WriteUtf8(m_err, text);
  std::fputc('\n', m_err);
  std::fflush(m_err);
}

void ConsoleUi::SetBusy(bool busy) {
  if (!busy) ClearProgress();
}

void ConsoleUi::ReportProgress(std::size_t done, std::size_t total, WorkUnit unit) {
  if (!m_showProgress || total == 0) return;
  constexpr int kWidth = 30;
  const int filled = static_cast<int>(kWidth * done / total);
  std::fprintf(m_err, "\r[%.*s%*s] %zu/%zu %s", filled, "##############################",
               kWidth - filled, "", done, total, unit == WorkUnit::kFiles ? "files" : "hands");
  std::fflush(m_err);
  m_progressShown = true;
}

std::wstring ConsoleUi::PlaceOf(const keys::Place& place) const {
  return Utf8ToWide(place.option);
}

void ConsoleUi::ClearProgress() {
  if (!m_progressShown) return;
  std::fprintf(m_err, "\r%60s\r", "");
  std::fflush(m_err);
  m_progressShown = false;
}

}  // namespace lumora
