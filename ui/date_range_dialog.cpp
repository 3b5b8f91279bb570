#include "ui/date_range_dialog.h"

#include <wx/choice.h>
#include <wx/datectrl.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/timectrl.h>

#include "base/local_time.h"
#include "ui/custom_date_range.h"

namespace lumora {
namespace {

CalendarFields FieldsOf(const wxDateTime& date, const wxDateTime& time = wxDateTime()) {
  CalendarFields f;
  f.year = date.GetYear();
  f.month = date.GetMonth() + 1;
  f.day = date.GetDay();
  if (time.IsValid()) {
    f.hour = time.GetHour();
    f.minute = time.GetMinute();
    f.second = time.GetSecond();
  }
  return f;
}

wxPanel* Page(wxNotebook* pages, const wxString& label) {
  auto* page = new wxPanel(pages);
  page->SetBackgroundColour(*wxWHITE);
  pages->AddPage(page, label);
  return page;
}

/// Lays `rows` of (label, control) out on `page`.
void Arrange(wxPanel* page, std::initializer_list<std::pair<wxString, wxWindow*>> rows) {
  auto* grid = new wxFlexGridSizer(2, 8, 12);
  for (const auto& [label, control] : rows) {
    grid->Add(new wxStaticText(page, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(control);
  }
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(grid, 0, wxALL, 16);
  page->SetSizer(sizer);
}

}  // namespace

CDlgDateRange::CDlgDateRange(wxWindow* parent, int64_t now)
    : wxDialog(parent, wxID_ANY, "Custom Date Range") {
  SetBackgroundColour(*wxWHITE);
  const LocalDate today = ToLocalDate(now).value_or(LocalDate{});
  const wxDateTime todayDate(today.fields.day, wxDateTime::Month(today.fields.month - 1),
                             today.fields.year);
  m_pages = new wxNotebook(this, wxID_ANY);
  m_pages->SetMinSize(wxSize(520, 230));  // room for the five tabs

  wxPanel* month = Page(m_pages, "Month");
  m_month = new wxChoice(month, wxID_ANY);
  for (int m = wxDateTime::Jan; m <= wxDateTime::Dec; ++m)
    m_month->Append(wxDateTime::GetEnglishMonthName(wxDateTime::Month(m)));
  m_year = new wxChoice(month, wxID_ANY);
  for (int y = kFirstCustomYear; y <= std::max(kFirstCustomYear, today.fields.year); ++y)
    m_year->Append(wxString::Format("%4d", y));
  m_month->SetSelection(today.fields.month - 1);
  m_year->SetSelection(m_year->GetCount() - 1);
  Arrange(month, {{"Month:", m_month}, {"Year:", m_year}});

  const wxString dayPages[] = {"Day", "Before", "After"};
  for (size_t i = 0; i < m_day.size(); ++i) {
    wxPanel* page = Page(m_pages, dayPages[i]);
    m_day[i] = new wxDatePickerCtrl(page, wxID_ANY, todayDate);
    Arrange(page, {{"Date:", m_day[i]}});
  }

  wxPanel* between = Page(m_pages, "Between");
  m_startDate = new wxDatePickerCtrl(between, wxID_ANY, todayDate);
  m_startTime = new wxTimePickerCtrl(between, wxID_ANY, todayDate);
  m_endDate = new wxDatePickerCtrl(between, wxID_ANY, todayDate + wxDateSpan::Day());
  m_endTime = new wxTimePickerCtrl(between, wxID_ANY, todayDate);
  Arrange(between, {{"From date:", m_startDate},
                    {"From time:", m_startTime},
                    {"To date:", m_endDate},
                    {"To time:", m_endTime}});

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_pages, 1, wxEXPAND | wxALL, 8);
  sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(sizer);
}

bool CDlgDateRange::TransferDataFromWindow() {
  CustomRangeInput input;
  const int page = m_pages->GetSelection();
  input.page = static_cast<CustomRangePage>(page);
  input.month = m_month->GetSelection() + 1;
  input.year = kFirstCustomYear + m_year->GetSelection();
  if (page >= 1 && page <= 3) input.day = FieldsOf(m_day[page - 1]->GetValue());
  input.start = FieldsOf(m_startDate->GetValue(), m_startTime->GetValue());
  input.end = FieldsOf(m_endDate->GetValue(), m_endTime->GetValue());
  const auto range = CustomRange(input);
  if (range) m_range = *range;
  return range.has_value();
}

}  // namespace lumora
