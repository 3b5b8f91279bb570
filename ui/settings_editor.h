#pragma once
// The settings as the ribbon and the dialogs change them. Each change goes
// into the application's RunSettings and is written to its profile key at
// once, so the profile always holds the player's last choice; a profile that
// does not keep them is reported once.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/date_range.h"
#include "app/game_kinds.h"
#include "app/profile_keys.h"
#include "app/run_settings.h"
#include "db/tracker_db.h"

namespace lumora {

class CLumoraApp;
class Profile;

class SettingsEditor {
 public:
  /// Edits the settings of `app` and writes them to `profile`; both outlive
  /// the editor.
  SettingsEditor(Profile& profile, CLumoraApp& app);

  /// `notify` is called once, the first time the profile turns out not to
  /// keep the settings: it could not be read (CheckProfileKept) or a write
  /// failed. The program goes on with the values in memory.
  void OnSettingsNotKept(std::function<void()> notify) { m_notify = std::move(notify); }
  /// Reports a profile that could not be read at start-up.
  void CheckProfileKept();

  const RunSettings& settings() const;
  const GameFlags& games() const;
  const DateRange& dateRange() const;
  /// The sites of the chosen tracker (the database poker-room list).
  const SiteMap& sites() const { return m_sites; }

  /// A whole-number setting (a list index, a code, a 0/1 switch).
  void SetInt(const keys::IntKey& key, int32_t RunSettings::*field, int32_t value);
  /// A value of the desktop program's own that no run reads (the look).
  void Remember(const keys::IntKey& key, int32_t value);
  int32_t Recall(const keys::IntKey& key) const;
  /// A text setting as typed.
  void SetText(const keys::StringKey& key, std::wstring RunSettings::*field, std::wstring value);
  /// A big-blind list entry: the profile keeps the index, the setting its
  /// value in cents (BigBlindFromIndex).
  void SetBigBlind(const keys::IntKey& key, int32_t RunSettings::*field, int32_t index);
  /// The table size; the players-seated bounds are then narrowed to it.
  void SetTableSize(int32_t numPl);
  /// Loads the site list of the chosen tracker (HVD's from its database)
  /// and takes the site id of the chosen entry, as at start-up. Returns the
  /// entry to select, -1 when the list is empty.
  int32_t LoadSites();
  /// The tracker kind: its site list is loaded, the profile's "DBPokerRoom"
  /// is read again and that entry becomes the database poker room (entry 0
  /// when the list is shorter). Returns the entry to select, -1 when the
  /// list is empty.
  int32_t SetDataSource(int32_t kind);
  /// Entry `index` of the site list becomes the database poker room.
  void SetDatabaseRoom(int32_t index);
  /// Stores and writes the date range; the two texts for the labels, or
  /// nullopt (nothing changed) when an end has no local time.
  std::optional<DateRangeTexts> SetDateRange(const DateRange& range);
  /// The game-selection dialog's "Done".
  void SetGameSelection(const GameFlags& flags);
  /// The players-seated dialog's OK: false (nothing changed) unless both
  /// values lie in 2..10.
  bool SetPlayersSeated(int64_t minPl, int64_t maxPl);

 private:
  void Kept(bool written);

  Profile& m_profile;
  CLumoraApp& m_app;
  std::function<void()> m_notify;
  SiteMap m_sites;
  bool m_reported = false;
};

}  // namespace lumora
