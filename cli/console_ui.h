#pragma once
// The command line's side of the user-interface seam: report lines to
// standard output as they come, messages to standard error, and a progress
// bar on standard error when it is a terminal.

#include <cstdio>
#include <string>

#include "app/user_interface.h"

namespace lumora {

class ConsoleUi : public UserInterface {
 public:
  ConsoleUi(std::FILE* out, std::FILE* err, bool showProgress);

  void AddOutputLine(const std::wstring& line) override;
  void ShowMessage(const std::wstring& text) override;
  void SetBusy(bool busy) override;
  void ReportProgress(std::size_t done, std::size_t total, WorkUnit unit) override;
  /// The option that changes the setting ("--players").
  std::wstring PlaceOf(const keys::Place& place) const override;

 private:
  void ClearProgress();

  std::FILE* m_out;
  std::FILE* m_err;
  bool m_showProgress;
  bool m_progressShown = false;
};

/// Writes wide text to a C stream as UTF-8.
void WriteUtf8(std::FILE* stream, std::wstring_view text);

}  // namespace lumora
