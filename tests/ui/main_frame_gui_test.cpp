// The desktop program driven through its real widgets: the ribbon's
// controls, "Make" and "Compare", the panes, the dialogs.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/aui/auibook.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/listctrl.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/textctrl.h>

#include <sstream>

#include "app/date_range.h"
#include "app/game_selection.h"
#include "app/lumora_app.h"
#include "app/profile.h"
#include "app/profile_keys.h"
#include "app/settings_store.h"
#include "base/local_time.h"
#include "tests/support/run_program.h"
#include "tests/ui/gui_support.h"
#include "ui/calc_view.h"
#include "ui/command_ids.h"
#include "ui/game_selection_dialog.h"
#include "ui/graph_view.h"
#include "ui/line_plot.h"
#include "ui/list_ctrl_ex.h"
#include "ui/main_frame.h"
#include "ui/main_ribbon.h"
#include "ui/output_pane.h"
#include "ui/result_window.h"
#include "ui/task_pane.h"

namespace lumora {
namespace {

using testing::DialogDriver;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::Settle;
using testing::TempDir;
using testing::WaitFor;

const std::string kExamples = std::string(LUMORA_SOURCE_DIR) + "/examples/";

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { Start(); }
  void TearDown() override { Stop(); }

  /// Starts the program's window on the test's profile, as the program does.
  void Start() {
    app = std::make_unique<CLumoraApp>(dir / "Lumora.log");
    profile = std::make_unique<Profile>(profilePath);
    LoadSavedState(*profile, *app, NowSeconds());
    frame = new CMainFrame(*profile, *app);
    frame->Show();
    Settle();
  }
  void Stop() {
    if (frame == nullptr) return;
    frame->Destroy();
    frame = nullptr;
    ASSERT_TRUE(WaitFor([] {
      wxTheApp->ProcessIdle();
      return wxTopLevelWindows.empty();
    }));
  }

  template <typename Control>
  Control& Find(int id) {
    Control* control = dynamic_cast<Control*>(frame->FindWindow(id));
    EXPECT_NE(control, nullptr) << "no control " << id;
    return *control;
  }
  wxString Chosen(int id) { return Find<wxChoice>(id).GetStringSelection(); }
  wxString Text(int id) { return Find<wxTextCtrl>(id).GetValue(); }

  /// Picks `label` in a list, as a click on it does.
  void Choose(int id, const wxString& label) {
    auto& choice = Find<wxChoice>(id);
    ASSERT_TRUE(choice.SetStringSelection(label)) << label;
    wxCommandEvent event(wxEVT_CHOICE, id);
    event.SetEventObject(&choice);
    event.SetInt(choice.GetSelection());
    event.SetString(label);
    choice.ProcessWindowEvent(event);
  }
  /// Types `text` over an edit's content.
  void Type(int id, const wxString& text) { Find<wxTextCtrl>(id).SetValue(text); }
  void PickDatePreset(DatePreset preset) {
    wxCommandEvent event(wxEVT_MENU, ids::kFirstDatePreset + static_cast<int>(preset));
    frame->ribbon().ProcessWindowEvent(event);
  }

  /// A history run of an example folder as Hero, every date and table size.
  void SetUpRun(const wxString& room, const std::string& folder, const wxString& bigBlind) {
    Choose(ids::kPokerRoom, room);
    Type(ids::kNickName, "Hero");
    Type(ids::kHistoryPath, kExamples + folder);
    Choose(ids::kTableSize, "All");
    Choose(ids::kBigBlind, bigBlind);
    PickDatePreset(DatePreset::kAllDates);
    if (app->m_settings.Zoom == 0) testing::ClickRibbonButton(*frame, ids::kZoom);
  }
  void Make() {
    testing::ClickRibbonButton(*frame, ids::kMake);
    ASSERT_TRUE(WaitFor([this] { return !frame->IsRunning(); }));
    Settle();
  }

  /// The "Debug" list, one line per entry.
  std::string DebugText() {
    std::string text;
    const COutputList& debug = frame->output().list(COutputWnd::kDebug);
    for (unsigned i = 0; i < debug.GetCount(); ++i) text += debug.GetString(i).utf8_string() + "\n";
    return text;
  }

  /// lumora-cli make over the same folder with the same settings; its
  /// profile, log and limit results live apart from the window's.
  testing::ProgramResult CliMake(const std::string& room, const std::string& folder,
                                 const std::string& bigBlind) {
    std::filesystem::create_directories(dir / "cli");
    return testing::RunProgram(LUMORA_CLI,
                               testing::ExampleMake(dir / "cli", folder, room, bigBlind), dir);
  }

  TempDir dir;
  std::filesystem::path profilePath = dir / "lumora.ini";
  DialogDriver dialogs;
  std::unique_ptr<CLumoraApp> app;
  std::unique_ptr<Profile> profile;
  CMainFrame* frame = nullptr;
};

TEST_F(MainWindow, AnEmptyProfileShowsTheDefaults) {
  EXPECT_EQ(Chosen(ids::kPokerRoom), "PartyPoker");
  EXPECT_EQ(Chosen(ids::kTableSize), "Heads-Up");
  EXPECT_EQ(Chosen(ids::kBigBlind), "2");
  EXPECT_EQ(Text(ids::kHistoryPath), "c:");
  EXPECT_EQ(Text(ids::kNickName), "");
  EXPECT_EQ(Chosen(ids::kDataSource), "HoldemManager1");
  EXPECT_EQ(Text(ids::kServerIP), "127.0.0.1");
  EXPECT_EQ(Text(ids::kPort), "5432");
  EXPECT_EQ(Text(ids::kDBName), "Name");
  EXPECT_EQ(Text(ids::kDatabaseNick), "Name");
  EXPECT_EQ(Text(ids::kDBUser), "postgres");
  const RunSettings& s = app->m_settings;
  EXPECT_EQ(s.Currency, kUsd);
  EXPECT_EQ(s.Zoom, 0);
  EXPECT_EQ(s.NonZoom, 1);
  EXPECT_EQ(s.Source, kHistorySource);
  EXPECT_EQ(s.CashLimit, 2);
  EXPECT_EQ(frame->GetTitle(), "Lumora v3.1");
  EXPECT_EQ(frame->results().GetPageText(0), "Welcome");
  EXPECT_EQ(frame->output().list(COutputWnd::kDebug).GetCount(), 0u);
  EXPECT_EQ(frame->tasks().comparisonTable(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(profilePath));  // showing writes nothing
  testing::SaveScreenshot(*frame, "main-window-at-start");
}

TEST_F(MainWindow, ChangesReachTheProfileAtOnceAndComeBackAfterARestart) {
  Choose(ids::kPokerRoom, "PokerStars");
  Type(ids::kNickName, "Hero");
  Choose(ids::kBigBlind, "$1 = 100");
  testing::ClickRibbonButton(*frame, ids::kEuro);
  testing::ClickRibbonButton(*frame, ids::kZoom);
  PickDatePreset(DatePreset::kToday);
  dialogs.onDialog = [](wxDialog& dialog) {
    const int box = CGameSelection::kFirstBoxId + 7;  // "Pot Limit Omaha"
    auto* check = dynamic_cast<wxCheckBox*>(dialog.FindWindow(box));
    check->SetValue(true);
    wxCommandEvent click(wxEVT_CHECKBOX, box);
    click.SetEventObject(check);
    click.SetInt(1);
    check->ProcessWindowEvent(click);
    return wxID_OK;
  };
  testing::ClickRibbonButton(*frame, ids::kGameSelection);

  GameFlags plo{};
  plo[7] = 1;  // ticking a kind clears "All"
  const DateRange today = *ComputePresetRange(DatePreset::kToday, NowSeconds());
  {
    const Profile saved(profilePath);
    EXPECT_EQ(saved.ReadInt(keys::kPokerRoom.name, -1), kPokerStars);
    EXPECT_EQ(saved.ReadString(keys::kNickName.name, L""), L"Hero");
    EXPECT_EQ(saved.ReadInt(keys::kCashLimit.name, -1), 8);
    EXPECT_EQ(saved.ReadInt(keys::kCurrency.name, -1), kEur);
    EXPECT_EQ(saved.ReadInt(keys::kZoom.name, -1), 1);
    EXPECT_EQ(saved.ReadString(keys::kTimeFrom.name, L""), FormatRangeEnd(today.from));
    EXPECT_EQ(saved.ReadString(keys::kTimeTo.name, L""), FormatRangeEnd(today.to));
    EXPECT_EQ(saved.ReadString(keys::kGameSelection.name, L""), FormatGameSelection(plo));
  }

  Stop();
  Start();
  EXPECT_EQ(Chosen(ids::kPokerRoom), "PokerStars");
  EXPECT_EQ(Text(ids::kNickName), "Hero");
  EXPECT_EQ(Chosen(ids::kBigBlind), "$1 = 100");
  EXPECT_EQ(frame->ribbon().RangeText(true), FormatRangeEnd(today.from).value());
  EXPECT_EQ(frame->ribbon().RangeText(false), FormatRangeEnd(today.to).value());
  EXPECT_EQ(app->m_settings.Currency, kEur);
  EXPECT_EQ(app->m_settings.Zoom, 1);
  EXPECT_EQ(app->m_settings.CashLimit, 100);
  EXPECT_EQ(app->m_nBC, plo);
}

TEST_F(MainWindow, AMakeThatFindsNothingNamesTheControlThatLeftEverythingOut) {
  SetUpRun("PokerStars", "pokerstars", "2");
  Make();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0],
            L"No data available! Every file was left out, unopened, by the big-blind filter (2); "
            L"see \"Select size of BB:\" on the Home tab.");
}

TEST_F(MainWindow, MakeReportsWhatTheCommandLineReportsAndCompareFillsTheTable) {
  SetUpRun("PokerStars", "pokerstars", "10");
  Make();
  const auto cli = CliMake("PokerStars", "pokerstars", "10");
  ASSERT_EQ(cli.exitCode, 0) << cli.err;
  EXPECT_EQ(testing::WithoutTime(DebugText()), testing::WithoutTime(cli.out));
  EXPECT_THAT(dialogs.messages, ::testing::IsEmpty());
  ASSERT_EQ(frame->results().GetPageCount(), 2u);
  EXPECT_EQ(frame->results().GetPageText(1), "BB 10");
  testing::SaveScreenshot(*frame, "main-window-after-make");

  SetUpRun("PartyPoker", "partypoker", "25");
  Make();
  ASSERT_EQ(CliMake("PartyPoker", "partypoker", "25").exitCode, 0);
  EXPECT_EQ(frame->results().GetPageText(2), "BB 25");
  Choose(ids::kCompareTableSizeFirst, "All");
  Choose(ids::kCompareBigBlindFirst, "10");
  Choose(ids::kCompareTableSizeSecond, "All");
  Choose(ids::kCompareBigBlindSecond, "25");
  testing::ClickRibbonButton(*frame, ids::kCompare);
  Settle();

  const auto compare = testing::RunProgram(
      LUMORA_CLI,
      testing::Words("compare --first-bb 10 --first-table All --second-bb 25 --second-table All "
                     "--currency USD",
                     {"--profile", (dir / "cli" / "lumora.ini").string(), "--log",
                      (dir / "cli" / "Lumora.log").string()}),
      dir);
  ASSERT_EQ(compare.exitCode, 0) << compare.err;
  wxListCtrl* table = frame->tasks().comparisonTable();
  ASSERT_NE(table, nullptr);
  std::string shown;
  wxListItem title;
  title.SetMask(wxLIST_MASK_TEXT);
  for (int column = 0; column < 3; ++column) {
    table->GetColumn(column, title);
    if (column > 0) shown += '\t';
    shown += title.GetText().utf8_string();
  }
  for (long row = 0; row < table->GetItemCount(); ++row)
    for (int column = 0; column < 3; ++column) {
      shown += column > 0 ? '\t' : '\n';
      shown += table->GetItemText(row, column).utf8_string();
    }
  shown += '\n';
  shown += frame->tasks().cutoffList()->GetItemText(0).utf8_string();
  shown += '\n';
  EXPECT_EQ(shown, compare.out);
  testing::SaveScreenshot(*frame, "main-window-after-compare");
}

TEST_F(MainWindow, AResultWindowShowsItsRunInThreeTabsAndItsGraphZooms) {
  SetUpRun("PokerStars", "pokerstars", "10");
  Make();
  ASSERT_EQ(frame->results().GetPageText(1), "BB 10");
  auto* window = dynamic_cast<CResultWindow*>(frame->results().GetPage(1));
  ASSERT_NE(window, nullptr);
  CCalcView& calculator = window->calculator();
  EXPECT_EQ(calculator.field(4).GetValue(), "30.00");
  const char* tabs[] = {"table", "graph", "results"};
  for (int tab = 0; tab < 3; ++tab) {
    window->tabs().SetSelection(tab);
    testing::SaveScreenshot(*window, std::string("result-window-") + tabs[tab]);
  }
  // The results graph drawn into a memory bitmap, as an export draws it.
  wxBitmap picture(900, 500);
  {
    wxMemoryDC memory(picture);
    window->results().plot().Render(memory, picture.GetSize());
  }
  EXPECT_TRUE(picture.SaveFile(std::string(LUMORA_SCREENSHOT_DIR) + "/results-graph.png",
                               wxBITMAP_TYPE_PNG));

  // "Calculate" follows the typed deviation in the result line only.
  CListCtrlEx& table = calculator.riskTable();
  const wxString fivePercent = table.Cell(kNonProRow, 1);
  const wxString before = calculator.resultLine().GetItemText(0, 3);
  calculator.field(3).SetValue("40");
  calculator.Calculate();
  EXPECT_NE(calculator.resultLine().GetItemText(0, 3), before);
  EXPECT_EQ(table.Cell(kNonProRow, 1), fivePercent);
  // Sorted twice by risk, largest first: the marked rows keep their colours.
  table.SortBy(0);
  table.SortBy(0);
  EXPECT_EQ(table.Cell(0, 0), "50%");
  EXPECT_EQ(table.Cell(8, 0), "0.01%");
  EXPECT_EQ(table.Cell(kNonProRow, 0), "5%");
  table.SortBy(0);
  EXPECT_EQ(table.Cell(0, 0), "0.01%");
  const int nonPro = 8 - kNonProRow;
  EXPECT_EQ(table.Cell(nonPro, 3), "NonPro");
  EXPECT_EQ(table.colours().Resolve(nonPro, 1).background, kNonProColour);
  // A cell edited in place keeps what was typed.
  wxTextCtrl* edit = table.EditCell(2, 3);
  ASSERT_NE(edit, nullptr);
  edit->SetValue("mine");
  wxCommandEvent enter(wxEVT_TEXT_ENTER, edit->GetId());
  enter.SetEventObject(edit);
  edit->ProcessWindowEvent(enter);
  EXPECT_EQ(table.Cell(2, 3), "mine");

  window->tabs().SetSelection(1);
  Settle();
  CLinePlot& graph = window->graph().plot();
  const AxisRange shown = graph.model().range();
  const PixelRect area = graph.model().layout().plot;
  const auto at = [&](double x, double y) {
    return graph.ClientToScreen(
        wxPoint(area.left + int(area.width * x), area.top + int(area.height * y)));
  };
  testing::DragMouse(at(0.2, 0.2), at(0.6, 0.7));
  const AxisRange zoomed = graph.model().range();
  EXPECT_NEAR(zoomed.xMin, 20, 1);
  EXPECT_NEAR(zoomed.xMax, 60, 1);
  EXPECT_NEAR(zoomed.yMin, 30, 1);
  EXPECT_NEAR(zoomed.yMax, 80, 1);
  testing::SaveScreenshot(*window, "result-window-graph-zoomed");
  testing::DragMouse(at(0.6, 0.7), at(0.2, 0.2));  // upward: back out
  EXPECT_EQ(graph.model().range(), shown);
}

TEST_F(MainWindow, BadInputIsOneMessageAndNoRun) {
  testing::ClickRibbonButton(*frame, ids::kMake);
  Type(ids::kNickName, "Hero");
  Type(ids::kHistoryPath, (dir / "missing").string());
  testing::ClickRibbonButton(*frame, ids::kMake);
  testing::ClickRibbonButton(*frame, ids::kDatabaseSource);
  Type(ids::kPort, "54x2");
  testing::ClickRibbonButton(*frame, ids::kMake);
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_THAT(dialogs.messages[0], HasSubstr(L"Enter your nick"));
  EXPECT_THAT(dialogs.messages[1], HasSubstr(L"missing\" does not exist"));
  EXPECT_THAT(dialogs.messages[2], HasSubstr(L"port \"54x2\" is not a number"));
  EXPECT_FALSE(frame->IsRunning());
  EXPECT_EQ(frame->output().list(COutputWnd::kDebug).GetCount(), 0u);
}

TEST_F(MainWindow, ADatabaseThatCannotBeReachedIsNamedAfterTheRun) {
  testing::ClickRibbonButton(*frame, ids::kDatabaseSource);
  Type(ids::kPort, "1");  // nothing listens there
  Make();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_THAT(dialogs.messages[0], HasSubstr(L"cannot be reached"));
  EXPECT_TRUE(frame->ribbon().IsEnabled());
}

TEST_F(MainWindow, ClosingDuringARunCancelsItAndWaits) {
  const std::string file = "HH20240305 Halley - $0.05-$0.10 - USD No Limit Hold'em.txt";
  const std::string hands = testing::ReadFile(kExamples + "pokerstars/" + file);
  for (int i = 0; i < 300; ++i) dir.Write("many/" + std::to_string(i) + " " + file, hands);
  SetUpRun("PokerStars", "", "10");
  Type(ids::kHistoryPath, (dir / "many").string());
  // "Make" is sent straight to its handler: a real click needs the event loop
  // to run, and that would also deliver the end of a run that finished early.
  wxRibbonButtonBar* bar = frame->ribbon().ButtonBar(ids::kMake);
  ASSERT_NE(bar, nullptr);
  wxRibbonButtonBarEvent click(wxEVT_RIBBONBUTTONBAR_CLICKED, ids::kMake, bar);
  bar->ProcessWindowEvent(click);
  EXPECT_TRUE(frame->IsRunning());
  EXPECT_TRUE(frame->ribbon().IsRunning());  // settings and commands wait for the run
  frame->Close(true);
  EXPECT_FALSE(frame->IsRunning());
  frame = nullptr;  // destroyed by closing
  ASSERT_TRUE(WaitFor([] {
    wxTheApp->ProcessIdle();
    return wxTopLevelWindows.empty();
  }));
  EXPECT_THAT(dialogs.messages, ::testing::IsEmpty());  // a closing window asks nothing
}

TEST_F(MainWindow, TheDebugListKeepsTheNewestLines) {
  COutputList& debug = frame->output().list(COutputWnd::kDebug);
  for (int i = 0; i < 1005; ++i) debug.AddLine(wxString::Format("line %d", i));
  ASSERT_EQ(debug.GetCount(), 1001u);
  EXPECT_EQ(debug.GetString(0), "line 4");
  EXPECT_EQ(debug.GetSelection(), 1000);
}

TEST_F(MainWindow, AProfileThatCannotBeWrittenIsReportedOnce) {
  Stop();
  profilePath = dir / "folder-not-file";
  std::filesystem::create_directories(profilePath);
  Start();
  Type(ids::kNickName, "H");
  Type(ids::kNickName, "Hero");
  Settle();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_THAT(dialogs.messages[0], HasSubstr(L"cannot be kept"));
  EXPECT_EQ(app->m_settings.NickName, L"Hero");  // the program goes on with it
}

}  // namespace
}  // namespace lumora
