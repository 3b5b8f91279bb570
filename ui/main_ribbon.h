#pragma once
// The main window's ribbon: every setting of an analysis on four pages
// ("Home", "History settings", "Database settings", "Comparison settings"),
// and the commands that start a run. A change goes through the settings
// editor at once; "Make", "Compare", "Output" and "Status Bar" travel up to
// the frame as ribbon button events.

#include <wx/ribbon/bar.h>

#include <map>
#include <utility>
#include <vector>

#include "app/date_range.h"

class wxChoice;
class wxRibbonButtonBar;
class wxRibbonButtonBarEvent;
class wxRibbonPanel;
class wxStaticText;
class wxTextCtrl;

namespace lumora {

class SettingsEditor;
struct ButtonSpec;

class MainRibbon : public wxRibbonBar {
 public:
  /// Builds the pages and shows the editor's settings in them.
  MainRibbon(wxWindow* parent, SettingsEditor& editor);

  /// While a run works every setting and command is disabled: the run reads
  /// the settings, and only one run works at a time.
  void SetRunning(bool running);
  bool IsRunning() const { return m_running; }
  /// The checks of the "Views" panel.
  void ShowViewChecks(bool outputShown, bool statusBarShown);

  /// The button bar holding command `id` (for the frame and tests).
  wxRibbonButtonBar* ButtonBar(int id) const;
  /// The texts the "From:" and "To:" labels show.
  wxString RangeText(bool from) const;

 private:
  wxRibbonPanel* AddPanel(wxRibbonPage* page, const wxString& label);
  wxRibbonButtonBar* AddButtons(wxWindow* panel, std::initializer_list<ButtonSpec> buttons);
  wxChoice* AddChoice(wxWindow* panel, int id, int width);
  wxTextCtrl* AddEdit(wxWindow* panel, int id, int width, long style = 0);
  void BuildHome(wxRibbonPage* page);
  void BuildHistory(wxRibbonPage* page);
  void BuildDatabase(wxRibbonPage* page);
  void BuildComparison(wxRibbonPage* page);

  void ShowSettings();
  void ShowToggles();
  void ShowSites(int selection);
  void ShowRange(const DateRangeTexts& texts);

  void OnChoice(wxCommandEvent& event);
  void OnText(wxCommandEvent& event);
  void OnButton(wxRibbonButtonBarEvent& event);
  void OnDateMenu(wxRibbonButtonBarEvent& event);
  void OnDatePreset(wxCommandEvent& event);
  void BrowseHistoryFolder();
  void EditGameSelection();
  void EditPlayersSeated();

  SettingsEditor& m_editor;
  std::map<int, wxChoice*> m_choices;
  std::map<int, wxTextCtrl*> m_edits;
  std::map<int, wxRibbonButtonBar*> m_bars;
  wxStaticText* m_from = nullptr;
  wxStaticText* m_to = nullptr;
  bool m_running = false;
};

}  // namespace lumora
