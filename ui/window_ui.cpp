#include "ui/window_ui.h"

#include "ui/main_frame.h"

namespace lumora {

// CallAfter queues to the frame's thread and is safe from any thread. Events
// still queued when the frame goes away go with it.
void WindowUi::AddOutputLine(const std::wstring& line) {
  m_frame.CallAfter([frame = &m_frame, line] { frame->AddOutputLine(line); });
}

void WindowUi::ShowMessage(const std::wstring& text) {
  std::lock_guard lock(m_mutex);
  m_messages.push_back(text);
}

void WindowUi::ReportProgress(std::size_t done, std::size_t total, WorkUnit unit) {
  m_frame.CallAfter(
      [frame = &m_frame, done, total, unit] { frame->ShowProgress(done, total, unit); });
}

void WindowUi::ShowComparison(const Comparison& comparison) {
  m_frame.CallAfter([frame = &m_frame, comparison] { frame->ShowComparison(comparison); });
}

void WindowUi::Reset() {
  m_cancel = false;
  std::lock_guard lock(m_mutex);
  m_messages.clear();
}

std::vector<std::wstring> WindowUi::TakeMessages() {
  std::lock_guard lock(m_mutex);
  return std::exchange(m_messages, {});
}

}  // namespace lumora
