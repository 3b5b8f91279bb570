#pragma once
// A user interface that records what the core said, for tests.

#include <string>
#include <vector>

#include "app/user_interface.h"

namespace lumora::testing {

class RecordingUi : public UserInterface {
 public:
  void AddOutputLine(const std::wstring& line) override { lines.push_back(line); }
  void ShowMessage(const std::wstring& text) override { messages.push_back(text); }
  void SetBusy(bool busy) override { busyChanges.push_back(busy); }
  void ReportProgress(std::size_t done, std::size_t total, WorkUnit /*unit*/) override {
    progress.emplace_back(done, total);
  }
  bool IsCancelRequested() override { return cancel; }
  void ShowComparison(const Comparison& comparison) override { comparisons.push_back(comparison); }

  std::vector<std::wstring> lines;
  std::vector<std::wstring> messages;
  std::vector<bool> busyChanges;
  std::vector<std::pair<std::size_t, std::size_t>> progress;
  std::vector<Comparison> comparisons;
  bool cancel = false;
};

}  // namespace lumora::testing
