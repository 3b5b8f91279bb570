#pragma once
// The one way the core speaks to the person using it. The desktop program,
// the command-line front and the tests each implement it; the core never
// calls a window.

#include <cstddef>
#include <string>

#include "app/comparison.h"
#include "app/profile_keys.h"

namespace lumora {

/// What the steps of long work are: the files of a history run, or the
/// stored hands (rows) of a database run.
enum class WorkUnit { kFiles, kStoredHands };

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  /// Appends one report line (formatted by the core) to the output.
  virtual void AddOutputLine(const std::wstring& line) = 0;

  /// Shows a message the user must see (a message box, standard error).
  virtual void ShowMessage(const std::wstring& text) = 0;

  /// Marks the start and the end of long work (wait cursor).
  virtual void SetBusy(bool busy) = 0;

  /// Long work reports `done` of `total` steps of `unit`; `total` is 0 when
  /// it is not known.
  virtual void ReportProgress(std::size_t done, std::size_t total, WorkUnit unit) = 0;

  /// Shows the comparison of two limits (the task pane); faces without a
  /// comparison display ignore it.
  virtual void ShowComparison(const Comparison& /*comparison*/) {}

  /// Polled between steps of long work; true stops it early.
  virtual bool IsCancelRequested() { return false; }

  /// How a message that sends the user to a setting names the place where
  /// it is changed. The desktop program names its control ("\"Players
  /// seated\" on the Home tab"); the command line names its option.
  virtual std::wstring PlaceOf(const keys::Place& place) const {
    return L"\"" + std::wstring(place.control) + L"\" on the " + std::wstring(place.tab) + L" tab";
  }
};

/// Keeps the interface busy for the lifetime of the guard, so that every way
/// out of long work clears the wait cursor.
class BusyScope {
 public:
  explicit BusyScope(UserInterface& ui) : m_ui(ui) { m_ui.SetBusy(true); }
  ~BusyScope() { m_ui.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  UserInterface& m_ui;
};

}  // namespace lumora
