#include "ui/main_ribbon.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dirdlg.h>
#include <wx/menu.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/settings_lists.h"
#include "base/local_time.h"
#include "base/text.h"
#include "ui/artwork.h"
#include "ui/command_ids.h"
#include "ui/date_range_dialog.h"
#include "ui/game_selection_dialog.h"
#include "ui/players_seated_dialog.h"
#include "ui/settings_editor.h"
#include "ui/wx_convert.h"

namespace lumora {

enum class ButtonKind { kNormal, kToggle, kDropdown };

/// One button of a ribbon button bar.
struct ButtonSpec {
  int id;
  const char* label;
  RibbonIcon icon;
  ButtonKind kind = ButtonKind::kNormal;
  bool large = true;
};

namespace {

/// The edits and the setting each one writes as it is typed.
struct TextBinding {
  int id;
  const keys::StringKey* key;
  std::wstring RunSettings::*field;
};
const TextBinding kTextBindings[] = {
    {ids::kNickName, &keys::kNickName, &RunSettings::NickName},
    {ids::kHistoryPath, &keys::kHistoryPath, &RunSettings::HistoryPath},
    {ids::kServerIP, &keys::kServerIP, &RunSettings::ServerIP},
    {ids::kPort, &keys::kPort, &RunSettings::Port},
    {ids::kDBName, &keys::kDBName, &RunSettings::DBName},
    {ids::kDBUser, &keys::kDBUser, &RunSettings::DBUser},
    {ids::kPassword, &keys::kDBPass, &RunSettings::DBPass},
    {ids::kDatabaseNick, &keys::kNickDB, &RunSettings::NickDB},
};

const wchar_t* const kDatePresetLabels[] = {
    L"All dates", L"This year", L"Last year", L"This month", L"Last month",
    L"This week", L"Last week", L"Today",     L"Yesterday",  L"Custom..."};

template <std::size_t N>
void Fill(wxChoice* choice, const std::array<std::wstring_view, N>& labels) {
  for (const auto& label : labels) choice->Append(ToWx(label));
  choice->SetSelection(0);
}

/// Selects entry `index` when the list has it; a code the list does not
/// know leaves the first entry shown.
void Select(wxChoice* choice, int32_t index) {
  if (index >= 0 && static_cast<unsigned>(index) < choice->GetCount()) choice->SetSelection(index);
}

wxStaticText* Label(wxWindow* panel, const wxString& text) {
  return new wxStaticText(panel, wxID_ANY, text);
}

/// A window or a sizer of a panel's row.
struct Part {
  Part(wxWindow* window) : window(window) {}
  Part(wxSizer* sizer) : sizer(sizer) {}
  wxWindow* window = nullptr;
  wxSizer* sizer = nullptr;
};

/// Adds a part to `sizer`.
void Add(wxSizer* sizer, const Part& part, int flags, int border = 0) {
  part.window ? sizer->Add(part.window, 0, flags, border)
              : sizer->Add(part.sizer, 0, flags, border);
}

/// A sizer of rows, each a label and its control.
wxFlexGridSizer* Rows(wxWindow* panel, std::initializer_list<std::pair<wxString, Part>> rows) {
  auto* grid = new wxFlexGridSizer(2, 4, 6);
  for (const auto& [label, control] : rows) {
    grid->Add(Label(panel, label), 0, wxALIGN_CENTER_VERTICAL);
    Add(grid, control, wxALIGN_CENTER_VERTICAL);
  }
  return grid;
}

/// Lays a panel's parts out in one row.
void Place(wxWindow* panel, std::initializer_list<Part> parts) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  for (const Part& part : parts) Add(row, part, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 4);
  panel->SetSizer(row);
}

}  // namespace

MainRibbon::MainRibbon(wxWindow* parent, SettingsEditor& editor)
    : wxRibbonBar(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                  wxRIBBON_BAR_FLOW_HORIZONTAL | wxRIBBON_BAR_SHOW_PAGE_LABELS |
                      wxRIBBON_BAR_SHOW_TOGGLE_BUTTON | wxRIBBON_BAR_SHOW_HELP_BUTTON),
      m_editor(editor) {
  BuildHome(new wxRibbonPage(this, wxID_ANY, "Home"));
  BuildHistory(new wxRibbonPage(this, wxID_ANY, "History settings"));
  BuildDatabase(new wxRibbonPage(this, wxID_ANY, "Database settings"));
  BuildComparison(new wxRibbonPage(this, wxID_ANY, "Comparison settings"));
  ShowSettings();

  Bind(wxEVT_CHOICE, &MainRibbon::OnChoice, this);
  Bind(wxEVT_TEXT, &MainRibbon::OnText, this);
  for (int id : {ids::kHistorySource, ids::kDatabaseSource, ids::kUsd, ids::kEuro, ids::kGbp,
                 ids::kCompareUsd, ids::kCompareEuro, ids::kCompareGbp, ids::kZoom, ids::kNonZoom,
                 ids::kGameSelection, ids::kPlayersSeated})
    Bind(wxEVT_RIBBONBUTTONBAR_CLICKED, &MainRibbon::OnButton, this, id);
  Bind(wxEVT_RIBBONBUTTONBAR_DROPDOWN_CLICKED, &MainRibbon::OnDateMenu, this, ids::kDateRange);
  Bind(wxEVT_MENU, &MainRibbon::OnDatePreset, this, ids::kFirstDatePreset, ids::kLastDatePreset);
}

wxRibbonPanel* MainRibbon::AddPanel(wxRibbonPage* page, const wxString& label) {
  return new wxRibbonPanel(page, wxID_ANY, label, wxNullBitmap, wxDefaultPosition, wxDefaultSize,
                           wxRIBBON_PANEL_NO_AUTO_MINIMISE);
}

wxRibbonButtonBar* MainRibbon::AddButtons(wxWindow* panel,
                                          std::initializer_list<ButtonSpec> buttons) {
  auto* bar = new wxRibbonButtonBar(panel);
  for (const ButtonSpec& b : buttons) {
    const wxRibbonButtonKind kind = b.kind == ButtonKind::kToggle     ? wxRIBBON_BUTTON_TOGGLE
                                    : b.kind == ButtonKind::kDropdown ? wxRIBBON_BUTTON_DROPDOWN
                                                                      : wxRIBBON_BUTTON_NORMAL;
    bar->AddButton(b.id, b.label, RibbonBitmap(b.icon, 32), RibbonBitmap(b.icon, 16), wxNullBitmap,
                   wxNullBitmap, kind, "");
    if (b.large)
      bar->SetButtonMinSizeClass(b.id, wxRIBBON_BUTTONBAR_BUTTON_LARGE);
    else
      bar->SetButtonMaxSizeClass(b.id, wxRIBBON_BUTTONBAR_BUTTON_MEDIUM);
    m_bars[b.id] = bar;
  }
  return bar;
}

wxChoice* MainRibbon::AddChoice(wxWindow* panel, int id, int width) {
  auto* choice = new wxChoice(panel, id, wxDefaultPosition, wxSize(width, -1));
  m_choices[id] = choice;
  return choice;
}

wxTextCtrl* MainRibbon::AddEdit(wxWindow* panel, int id, int width, long style) {
  auto* edit = new wxTextCtrl(panel, id, "", wxDefaultPosition, wxSize(width, -1), style);
  m_edits[id] = edit;
  return edit;
}

void MainRibbon::BuildHome(wxRibbonPage* page) {
  AddButtons(AddPanel(page, "Views"),
             {{ids::kOutputWindow, "Output", RibbonIcon::kOutput, ButtonKind::kToggle, false},
              {ids::kStatusBar, "Status Bar", RibbonIcon::kStatusBar, ButtonKind::kToggle, false}});
  AddButtons(AddPanel(page, "Source"),
             {{ids::kHistorySource, "History", RibbonIcon::kHistory, ButtonKind::kToggle},
              {ids::kDatabaseSource, "Database", RibbonIcon::kDatabase, ButtonKind::kToggle}});

  wxRibbonPanel* filter = AddPanel(page, "Filter");
  wxFlexGridSizer* lists =
      Rows(filter, {{"Select of tables:", AddChoice(filter, ids::kTableSize, 125)},
                    {"Select size of BB:", AddChoice(filter, ids::kBigBlind, 125)}});
  wxRibbonButtonBar* currencies =
      AddButtons(filter, {{ids::kUsd, "USD", RibbonIcon::kUsd, ButtonKind::kToggle, false},
                          {ids::kEuro, "Euro", RibbonIcon::kEuro, ButtonKind::kToggle, false},
                          {ids::kGbp, "GBP", RibbonIcon::kGbp, ButtonKind::kToggle, false}});
  wxRibbonButtonBar* dates = AddButtons(filter, {{ids::kDateRange, "Select date range",
                                                  RibbonIcon::kDateRange, ButtonKind::kDropdown}});
  m_from = Label(filter, "");
  m_to = Label(filter, "");
  wxFlexGridSizer* range = Rows(filter, {{"From:", m_from}, {"To:", m_to}});
  wxRibbonButtonBar* dialogs =
      AddButtons(filter, {{ids::kGameSelection, "Game selection", RibbonIcon::kGameSelection,
                           ButtonKind::kNormal, false},
                          {ids::kPlayersSeated, "Players seated", RibbonIcon::kPlayersSeated,
                           ButtonKind::kNormal, false}});
  Place(filter, {lists, currencies, dates, range, dialogs});

  AddButtons(AddPanel(page, "Zoom"),
             {{ids::kNonZoom, "Non zoom", RibbonIcon::kNonZoom, ButtonKind::kToggle},
              {ids::kZoom, "Zoom", RibbonIcon::kZoom, ButtonKind::kToggle}});
  AddButtons(AddPanel(page, "Run"), {{ids::kMake, "Make", RibbonIcon::kMake}});
}

void MainRibbon::BuildHistory(wxRibbonPage* page) {
  wxRibbonPanel* panel = AddPanel(page, "Settings");
  auto* path = new wxBoxSizer(wxHORIZONTAL);
  path->Add(AddEdit(panel, ids::kHistoryPath, 280), 0, wxALIGN_CENTER_VERTICAL);
  auto* browse = new wxButton(panel, ids::kBrowseHistoryPath, "Browse...", wxDefaultPosition,
                              wxDefaultSize, wxBU_EXACTFIT);
  browse->SetBitmap(RibbonBitmap(RibbonIcon::kBrowse, 16));
  browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { BrowseHistoryFolder(); });
  path->Add(browse, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 4);
  Place(panel, {Rows(panel, {{"Select poker room:", AddChoice(panel, ids::kPokerRoom, 130)},
                             {"Enter your nick:", AddEdit(panel, ids::kNickName, 150)},
                             {"Select history path:", path}})});
}

void MainRibbon::BuildDatabase(wxRibbonPage* page) {
  wxRibbonPanel* panel = AddPanel(page, "Settings");
  wxFlexGridSizer* tracker =
      Rows(panel, {{"Select data source:", AddChoice(panel, ids::kDataSource, 165)},
                   {"Select poker room:", AddChoice(panel, ids::kDatabasePokerRoom, 165)},
                   {"Enter your nick:", AddEdit(panel, ids::kDatabaseNick, 165)}});
  wxFlexGridSizer* server = Rows(panel, {{"Server IP:", AddEdit(panel, ids::kServerIP, 120)},
                                         {"Port:", AddEdit(panel, ids::kPort, 120)},
                                         {"DB name:", AddEdit(panel, ids::kDBName, 120)}});
  wxFlexGridSizer* login =
      Rows(panel, {{"User", AddEdit(panel, ids::kDBUser, 120)},
                   {"Password:", AddEdit(panel, ids::kPassword, 120, wxTE_PASSWORD)}});
  Place(panel, {tracker, server, login});
}

void MainRibbon::BuildComparison(wxRibbonPage* page) {
  for (const auto& [label, table, bigBlind] :
       {std::tuple{"First", ids::kCompareTableSizeFirst, ids::kCompareBigBlindFirst},
        {"Second", ids::kCompareTableSizeSecond, ids::kCompareBigBlindSecond}}) {
    wxRibbonPanel* panel = AddPanel(page, label);
    Place(panel, {Rows(panel, {{"Select of players:", AddChoice(panel, table, 125)},
                               {"Select size of BB:", AddChoice(panel, bigBlind, 125)}})});
  }
  wxRibbonButtonBar* currencies =
      AddButtons(AddPanel(page, "Common"),
                 {{ids::kCompareUsd, "USD", RibbonIcon::kUsd, ButtonKind::kToggle, false},
                  {ids::kCompareEuro, "Euro", RibbonIcon::kEuro, ButtonKind::kToggle, false},
                  {ids::kCompareGbp, "GBP", RibbonIcon::kGbp, ButtonKind::kToggle, false}});
  // Wide enough for the panel's label.
  for (int id = ids::kCompareUsd; id <= ids::kCompareGbp; ++id)
    currencies->SetButtonTextMinWidth(id, "Common");
  AddButtons(AddPanel(page, "Run"), {{ids::kCompare, "Compare", RibbonIcon::kCompare}});
}

void MainRibbon::ShowSettings() {
  const RunSettings& s = m_editor.settings();
  for (int id : {ids::kBigBlind, ids::kCompareBigBlindFirst, ids::kCompareBigBlindSecond})
    Fill(m_choices[id], kBigBlindLabels);
  for (int id : {ids::kTableSize, ids::kCompareTableSizeFirst, ids::kCompareTableSizeSecond})
    Fill(m_choices[id], kTableSizeLabels);
  Fill(m_choices[ids::kPokerRoom], kRoomLabels);
  Fill(m_choices[ids::kDataSource], kDataSourceLabels);
  Select(m_choices[ids::kPokerRoom], s.PokerRoom);
  Select(m_choices[ids::kTableSize], s.NumPl);
  Select(m_choices[ids::kBigBlind], BigBlindIndexFromCents(s.CashLimit));
  Select(m_choices[ids::kCompareTableSizeFirst], s.NumPl_0);
  Select(m_choices[ids::kCompareTableSizeSecond], s.NumPl_1);
  Select(m_choices[ids::kCompareBigBlindFirst], BigBlindIndexFromCents(s.CashLimit_0));
  Select(m_choices[ids::kCompareBigBlindSecond], BigBlindIndexFromCents(s.CashLimit_1));
  Select(m_choices[ids::kDataSource], s.DBSource);
  ShowSites(m_editor.LoadSites());
  // ChangeValue: showing a setting is no edit, and writes nothing.
  for (const TextBinding& b : kTextBindings) m_edits[b.id]->ChangeValue(ToWx(s.*b.field));
  ShowToggles();
  const DateRange& range = m_editor.dateRange();
  ShowRange(
      {range, FormatRangeEnd(range.from).value_or(L""), FormatRangeEnd(range.to).value_or(L"")});
}

void MainRibbon::ShowToggles() {
  const RunSettings& s = m_editor.settings();
  const auto show = [this](int id, bool on) { m_bars[id]->ToggleButton(id, on); };
  show(ids::kHistorySource, s.Source != kDatabaseSource);
  show(ids::kDatabaseSource, s.Source == kDatabaseSource);
  for (int c = kUsd; c <= kGbp; ++c) {
    show(ids::kUsd + c, s.Currency == c);
    show(ids::kCompareUsd + c, s.CurrencyCompare == c);
  }
  show(ids::kZoom, s.Zoom != 0);
  show(ids::kNonZoom, s.NonZoom != 0);
}

void MainRibbon::ShowSites(int selection) {
  wxChoice* rooms = m_choices[ids::kDatabasePokerRoom];
  rooms->Clear();
  for (const auto& [id, name] : m_editor.sites()) rooms->Append(ToWx(name));
  Select(rooms, selection);
}

void MainRibbon::ShowRange(const DateRangeTexts& texts) {
  m_from->SetLabel(ToWx(texts.fromText));
  m_to->SetLabel(ToWx(texts.toText));
  m_from->GetParent()->Layout();
}

wxString MainRibbon::RangeText(bool from) const {
  return (from ? m_from : m_to)->GetLabel();
}

wxRibbonButtonBar* MainRibbon::ButtonBar(int id) const {
  const auto bar = m_bars.find(id);
  return bar == m_bars.end() ? nullptr : bar->second;
}

void MainRibbon::ShowViewChecks(bool outputShown, bool statusBarShown) {
  m_bars[ids::kOutputWindow]->ToggleButton(ids::kOutputWindow, outputShown);
  m_bars[ids::kStatusBar]->ToggleButton(ids::kStatusBar, statusBarShown);
}

void MainRibbon::SetRunning(bool running) {
  m_running = running;
  for (const auto& [id, bar] : m_bars) bar->EnableButton(id, !running);
  for (const auto& [id, choice] : m_choices) choice->Enable(!running);
  for (const auto& [id, edit] : m_edits) edit->Enable(!running);
  Refresh();
}

void MainRibbon::OnChoice(wxCommandEvent& event) {
  const int32_t index = event.GetSelection();
  switch (event.GetId()) {
    case ids::kPokerRoom:
      return m_editor.SetInt(keys::kPokerRoom, &RunSettings::PokerRoom, index);
    case ids::kTableSize:
      return m_editor.SetTableSize(index);
    case ids::kBigBlind:
      return m_editor.SetBigBlind(keys::kCashLimit, &RunSettings::CashLimit, index);
    case ids::kCompareTableSizeFirst:
      return m_editor.SetInt(keys::kNumPl0, &RunSettings::NumPl_0, index);
    case ids::kCompareTableSizeSecond:
      return m_editor.SetInt(keys::kNumPl1, &RunSettings::NumPl_1, index);
    case ids::kCompareBigBlindFirst:
      return m_editor.SetBigBlind(keys::kCashLimit0, &RunSettings::CashLimit_0, index);
    case ids::kCompareBigBlindSecond:
      return m_editor.SetBigBlind(keys::kCashLimit1, &RunSettings::CashLimit_1, index);
    case ids::kDataSource:
      return ShowSites(m_editor.SetDataSource(index));
    case ids::kDatabasePokerRoom:
      return m_editor.SetDatabaseRoom(index);
  }
}

void MainRibbon::OnText(wxCommandEvent& event) {
  for (const TextBinding& b : kTextBindings)
    if (b.id == event.GetId())
      return m_editor.SetText(*b.key, b.field, event.GetString().ToStdWstring());
}

void MainRibbon::OnButton(wxRibbonButtonBarEvent& event) {
  const int id = event.GetId();
  const RunSettings& s = m_editor.settings();
  if (id == ids::kHistorySource || id == ids::kDatabaseSource)
    m_editor.SetInt(keys::kSource, &RunSettings::Source, id - ids::kHistorySource);
  else if (id >= ids::kUsd && id <= ids::kGbp)
    m_editor.SetInt(keys::kCurrency, &RunSettings::Currency, id - ids::kUsd);
  else if (id >= ids::kCompareUsd && id <= ids::kCompareGbp)
    m_editor.SetInt(keys::kCurrencyCompare, &RunSettings::CurrencyCompare, id - ids::kCompareUsd);
  else if (id == ids::kZoom)
    m_editor.SetInt(keys::kZoom, &RunSettings::Zoom, 1 - s.Zoom);
  else if (id == ids::kNonZoom)
    m_editor.SetInt(keys::kNonZoom, &RunSettings::NonZoom, 1 - s.NonZoom);
  else if (id == ids::kGameSelection)
    EditGameSelection();
  else if (id == ids::kPlayersSeated)
    EditPlayersSeated();
  // A toggle button flips itself when clicked; the settings say what it shows.
  ShowToggles();
}

void MainRibbon::OnDateMenu(wxRibbonButtonBarEvent& event) {
  wxMenu menu;
  for (int preset = 0; preset <= ids::kLastDatePreset - ids::kFirstDatePreset; ++preset)
    menu.Append(ids::kFirstDatePreset + preset, kDatePresetLabels[preset]);
  event.PopupMenu(&menu);
}

void MainRibbon::OnDatePreset(wxCommandEvent& event) {
  const auto preset = static_cast<DatePreset>(event.GetId() - ids::kFirstDatePreset);
  std::optional<DateRange> range;
  if (preset == DatePreset::kCustom) {
    CDlgDateRange dialog(this, NowSeconds());
    if (dialog.ShowModal() == wxID_OK) range = dialog.range();
  } else {
    range = ComputePresetRange(preset, NowSeconds());
  }
  if (!range) return;
  if (const auto texts = m_editor.SetDateRange(*range)) ShowRange(*texts);
}

void MainRibbon::BrowseHistoryFolder() {
  wxDirDialog dialog(this, "Please, choose a folder.", m_edits[ids::kHistoryPath]->GetValue(),
                     wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return;
  // SetValue: the edit's change writes the setting like typing does.
  m_edits[ids::kHistoryPath]->SetValue(dialog.GetPath());
}

void MainRibbon::EditGameSelection() {
  CGameSelection dialog(this, m_editor.games());
  if (dialog.ShowModal() == wxID_OK) m_editor.SetGameSelection(dialog.flags());
}

void MainRibbon::EditPlayersSeated() {
  const RunSettings& s = m_editor.settings();
  CDlgPlayersSeated dialog(this, s.minPl, s.maxPl);
  if (dialog.ShowModal() == wxID_OK) m_editor.SetPlayersSeated(dialog.minPl(), dialog.maxPl());
}

}  // namespace lumora
