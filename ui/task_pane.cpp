#include "ui/task_pane.h"

#include <wx/hyperlink.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>

#include "base/local_time.h"
#include "stats/limit_comparison.h"
#include "ui/command_ids.h"
#include "ui/pie_chart.h"

namespace lumora {
namespace {

const wxColour kCaptionBand(222, 230, 242);

// Slice colours of the first and the second limit.
const wxColour kFirstLimitColour(0x6e, 0x78, 0xfd);
const wxColour kSecondLimitColour(0xff, 0x7b, 0x32);

wxStaticText* Text(wxWindow* parent, const wxString& text, bool bold = false) {
  auto* label = new wxStaticText(parent, wxID_ANY, text);
  label->SetForegroundColour(*wxBLACK);
  if (bold) label->SetFont(label->GetFont().Bold());
  return label;
}

}  // namespace

CMSMTasksPane::CMSMTasksPane(wxWindow* parent)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxVSCROLL) {
  SetBackgroundColour(*wxWHITE);
  SetScrollRate(0, 10);
  auto* pane = new wxBoxSizer(wxVERTICAL);

  m_comparison = AddGroup(pane, "Comparison");

  wxSizer* about = AddGroup(pane, "About");
  about->Add(
      Text(this, FormatLocalTime(NowSeconds(), L"%B %d, %Y").value_or(L"Invalid DateTime"), true));
  about->Add(Text(this, "Common tasks", true), 0, wxTOP, 4);
  about->Add(new wxStaticLine(this), 0, wxEXPAND | wxTOP | wxBOTTOM, 6);
  auto* learnMore = new wxHyperlinkCtrl(this, ids::kLearnMore, "Learn more about Halvard", "");
  // No web address is known: the link shows the About box (the frame's).
  learnMore->Bind(wxEVT_HYPERLINK, [this](wxHyperlinkEvent&) {
    wxCommandEvent about(wxEVT_MENU, wxID_ABOUT);
    ProcessWindowEvent(about);
  });
  about->Add(learnMore);
  about->Add(Text(this, " "));

  pane->AddStretchSpacer();
  wxSizer* details = AddGroup(pane, "Details");
  details->Add(Text(this,
                    "The Lumora can help\nyou avoid trouble by playing\nthe rigth limit for your "
                    "bankroll\nand your poker skill.\nProgram will help you decide\nwhat games "
                    "you can play,\nand how to adjust your game\nselection as your bankroll "
                    "goes\nup and down."));
  SetSizer(pane);
  FitInside();
}

wxSizer* CMSMTasksPane::AddGroup(wxSizer* pane, const wxString& caption) {
  auto* band = new wxPanel(this);
  band->SetBackgroundColour(kCaptionBand);
  auto* bandSizer = new wxBoxSizer(wxHORIZONTAL);
  bandSizer->Add(Text(band, caption, true), 0, wxALL, 5);
  band->SetSizer(bandSizer);
  pane->Add(band, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 6);
  auto* content = new wxBoxSizer(wxVERTICAL);
  pane->Add(content, 0, wxEXPAND | wxALL, 10);
  return content;
}

void CMSMTasksPane::ShowComparison(const Comparison& c) {
  const ComparisonTexts texts = FormatComparison(c);
  if (m_table == nullptr) {
    m_table = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(-1, 82),
                             wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    m_table->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
      FitColumns();
      event.Skip();
    });
    m_cutoff = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(-1, 28),
                              wxLC_REPORT | wxLC_NO_HEADER | wxLC_SINGLE_SEL);
    m_cutoff->AppendColumn("", wxLIST_FORMAT_LEFT, 220);
    m_pie = new CPieChart(this);
    m_pie->SetMinSize(wxSize(-1, 170));
    m_comparison->Add(m_table, 0, wxEXPAND);
    m_comparison->Add(m_cutoff, 0, wxEXPAND | wxTOP, 4);
    m_comparison->Add(m_pie, 0, wxEXPAND | wxTOP, 4);
  }
  m_table->DeleteAllItems();
  m_table->DeleteAllColumns();
  const auto& titles = texts.table[0];
  m_table->AppendColumn(titles[0], wxLIST_FORMAT_LEFT);
  m_table->AppendColumn(titles[1], wxLIST_FORMAT_RIGHT);
  m_table->AppendColumn(titles[2], wxLIST_FORMAT_RIGHT);
  for (size_t row = 1; row < texts.table.size(); ++row) {
    const long item = m_table->InsertItem(m_table->GetItemCount(), texts.table[row][0]);
    m_table->SetItem(item, 1, texts.table[row][1]);
    m_table->SetItem(item, 2, texts.table[row][2]);
  }
  m_cutoff->DeleteAllItems();
  m_cutoff->InsertItem(0, texts.cutoff);
  m_pie->SetSlices(
      {{titles[1], c.mix1, kFirstLimitColour}, {titles[2], c.mix2, kSecondLimitColour}});
  Layout();
  FitInside();
  FitColumns();
  Refresh();
}

void CMSMTasksPane::FitColumns() {
  if (m_table == nullptr || m_table->GetColumnCount() != 3) return;
  const int width = std::max(m_table->GetClientSize().x - 4, 150);
  m_table->SetColumnWidth(0, width * 2 / 5);
  m_table->SetColumnWidth(1, width * 3 / 10);
  m_table->SetColumnWidth(2, width * 3 / 10);
  m_cutoff->SetColumnWidth(0, m_cutoff->GetClientSize().x);
}

}  // namespace lumora
