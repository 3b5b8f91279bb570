#pragma once
// "Custom Date Range": five pages of pickers ("Month", "Day", "Before",
// "After", "Between"); OK takes the range of the page in front.

#include <wx/dialog.h>

#include <array>

#include "app/run_settings.h"

class wxChoice;
class wxDatePickerCtrl;
class wxNotebook;
class wxTimePickerCtrl;

namespace lumora {

class CDlgDateRange : public wxDialog {
 public:
  /// `now` (seconds since 1970) picks the current month and year and the
  /// pickers' first dates.
  CDlgDateRange(wxWindow* parent, int64_t now);

  /// The range OK accepted.
  const DateRange& range() const { return m_range; }

  /// OK: the range of the page in front; false (the dialog stays open) when
  /// an end has no local time.
  bool TransferDataFromWindow() override;

 private:
  wxNotebook* m_pages;
  wxChoice* m_month;
  wxChoice* m_year;
  std::array<wxDatePickerCtrl*, 3> m_day{};  ///< "Day", "Before", "After"
  wxDatePickerCtrl* m_startDate;
  wxTimePickerCtrl* m_startTime;
  wxDatePickerCtrl* m_endDate;
  wxTimePickerCtrl* m_endTime;
  DateRange m_range;
};

}  // namespace lumora
