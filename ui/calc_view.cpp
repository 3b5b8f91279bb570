#include "ui/calc_view.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <fstream>

#include "ui/list_ctrl_ex.h"
#include "ui/wx_convert.h"

namespace lumora {
namespace {}  // namespace

CCalcView::CCalcView(wxWindow* parent, const CLumoraDoc& document)
    : wxPanel(parent), m_run{document.summary.m_dVar, document.summary.m_nHands} {
  SetBackgroundColour(*wxWHITE);
  m_banner = new wxPanel(this);
  m_banner->SetBackgroundColour(wxColour(236, 242, 250));
  const wchar_t* labels[] = {L"Total Hands", L"Net Won", L"Win Rate", L"Standard Deviation",
                             L"Risk of Ruin (%)"};
  const CalculatorFields initial = InitialFields(document.summary);
  const std::wstring* texts[] = {&initial.hands, &initial.netWon, &initial.winRate,
                                 &initial.deviation, &initial.risk};
  auto* rows = new wxFlexGridSizer(8, 6, 8);
  for (int i = 0; i < 5; ++i) {  // four pairs a row: the risk starts the second
    rows->Add(new wxStaticText(m_banner, wxID_ANY, labels[i]), 0, wxALIGN_CENTER_VERTICAL);
    m_fields[i] =
        new wxTextCtrl(m_banner, wxID_ANY, ToWx(*texts[i]), wxDefaultPosition, wxSize(90, -1));
    rows->Add(m_fields[i], 0, wxALIGN_CENTER_VERTICAL);
  }
  auto* calculate = new wxButton(m_banner, wxID_ANY, "Calculate");
  calculate->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Calculate(); });
  auto* exportCsv = new wxButton(m_banner, wxID_ANY, "Export...");
  exportCsv->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    wxFileDialog dialog(this, "Export the risk table", "", "risk-table.csv",
                        "CSV files (*.csv)|*.csv", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() == wxID_OK && !ExportCsv(dialog.GetPath()))
      wxMessageBox("The file " + dialog.GetPath() + " cannot be written.", "Lumora",
                   wxOK | wxICON_WARNING, this);
  });
  rows->Add(calculate, 0, wxALIGN_CENTER_VERTICAL);
  rows->Add(exportCsv, 0, wxALIGN_CENTER_VERTICAL);
  auto* banner = new wxBoxSizer(wxVERTICAL);
  banner->Add(rows, 0, wxALL, 6);
  m_banner->SetSizer(banner);

  m_resultsLabel = new wxStaticText(this, wxID_ANY, "Results:");
  m_resultLine = new wxListCtrl(this, 1019, wxDefaultPosition, wxDefaultSize,
                                wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
  const std::pair<const char*, int> lineColumns[] = {{"Win Rate", 100},
                                                     {"Standart Deviation", 130},
                                                     {"Risk of Ruin", 100},
                                                     {"Bankroll (ROR)", 120},
                                                     {"Bankroll (RORU)", 130}};
  for (const auto& [title, width] : lineColumns)
    m_resultLine->AppendColumn(title, wxLIST_FORMAT_CENTRE, width);
  m_resultLine->InsertItem(0, "");

  m_riskTable = new CListCtrlEx(this, 1020);
  m_riskTable->AddColumn("Risk of Ruin", 100, SortType::kDecimal);
  m_riskTable->AddColumn("Bankroll (ROR)", 120, SortType::kDecimal);
  m_riskTable->AddColumn("Bankroll (RORU)", 130, SortType::kDecimal);
  m_riskTable->AddColumn("", 100, SortType::kText);
  m_riskTable->SetRowCount(kRiskTableRows);
  m_riskTable->colours().Row(kNonProRow).background = kNonProColour;
  m_riskTable->colours().Row(kProRow).background = kProColour;

  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    PlaceControls();
    event.Skip();
  });
  FillRiskTable();
}

CalculatorFields CCalcView::Fields() const {
  const auto text = [this](int i) { return m_fields[i]->GetValue().ToStdWstring(); };
  return {text(0), text(1), text(2), text(3), text(4)};
}

void CCalcView::ShowResultLine(const std::array<std::wstring, 5>& line) {
  for (int column = 0; column < 5; ++column) m_resultLine->SetItem(0, column, ToWx(line[column]));
}

void CCalcView::FillRiskTable() {
  const CalculatorFields fields = Fields();
  ShowResultLine(ResultLine(fields, m_run));
  const auto table = RiskTable(fields, m_run);
  for (int row = 0; row < static_cast<int>(table.size()); ++row)
    for (int column = 0; column < 4; ++column)
      m_riskTable->SetCell(row, column, ToWx(table[row][column]));
  m_riskTable->Refresh();
}

void CCalcView::Calculate() {
  ShowResultLine(ResultLine(Fields(), m_run));
}

bool CCalcView::ExportCsv(const wxString& path) const {
  std::array<RiskTableRow, kRiskTableRows> rows;
  for (int row = 0; row < static_cast<int>(rows.size()); ++row)
    for (int column = 0; column < 4; ++column)
      rows[row][column] = m_riskTable->Cell(row, column).ToStdWstring();
  std::ofstream file(path.ToStdString(), std::ios::binary);
  file << RiskTableCsv(rows);
  return static_cast<bool>(file.flush());
}

void CCalcView::PlaceControls() {
  // The banner across the top, then the result line and the table below it;
  // the table takes the rest of the height.
  const wxSize client = GetClientSize();
  const int bannerHeight = std::max(69, m_banner->GetBestSize().y);
  m_banner->SetSize(0, 0, client.x, bannerHeight);
  m_resultsLabel->SetPosition(wxPoint(6, bannerHeight + 10));
  const int lineTop = std::max(110, bannerHeight + 34);
  const int lineHeight = 62;
  m_resultLine->SetSize(0, lineTop, client.x, lineHeight);
  const int tableTop = lineTop + lineHeight + 8;
  m_riskTable->SetSize(0, tableTop, client.x, std::max(client.y - tableTop, 40));
}

}  // namespace lumora
