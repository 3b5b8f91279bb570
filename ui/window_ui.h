#pragma once
// The desktop program's side of the user-interface seam. A run works on a
// worker thread, so nothing here touches a window: report lines, progress
// and the comparison are queued to the frame's thread, and messages wait
// until the run has ended, when the frame shows them in message boxes.

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "app/user_interface.h"

namespace lumora {

class CMainFrame;

class WindowUi : public UserInterface {
 public:
  explicit WindowUi(CMainFrame& frame) : m_frame(frame) {}

  void AddOutputLine(const std::wstring& line) override;
  /// Kept for the end of the run (TakeMessages).
  void ShowMessage(const std::wstring& text) override;
  /// The frame shows a run by its gauge, not by a wait cursor: the window
  /// stays usable while the run works.
  void SetBusy(bool) override {}
  void ReportProgress(std::size_t done, std::size_t total, WorkUnit unit) override;
  void ShowComparison(const Comparison& comparison) override;
  bool IsCancelRequested() override { return m_cancel; }

  /// Asks the run to stop at its next check (the "Cancel" control, closing).
  void RequestCancel() { m_cancel = true; }
  /// Readies the seam for a new run.
  void Reset();
  /// The messages of the run, in the order they came; the list is emptied.
  std::vector<std::wstring> TakeMessages();

 private:
  CMainFrame& m_frame;
  std::atomic<bool> m_cancel{false};
  std::mutex m_mutex;
  std::vector<std::wstring> m_messages;
};

}  // namespace lumora
