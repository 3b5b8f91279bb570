#include "ui/settings_editor.h"

#include "app/game_selection.h"
#include "app/lumora_app.h"
#include "app/profile.h"
#include "app/settings_lists.h"

namespace lumora {

SettingsEditor::SettingsEditor(Profile& profile, CLumoraApp& app)
    : m_profile(profile), m_app(app) {}

void SettingsEditor::CheckProfileKept() {
  Kept(m_profile.IsWritable());
}

const RunSettings& SettingsEditor::settings() const {
  return m_app.m_settings;
}

const GameFlags& SettingsEditor::games() const {
  return m_app.m_nBC;
}

const DateRange& SettingsEditor::dateRange() const {
  return m_app.m_dateRange;
}

void SettingsEditor::Kept(bool written) {
  if (written || m_reported) return;
  m_reported = true;
  if (m_notify) m_notify();
}

void SettingsEditor::SetInt(const keys::IntKey& key, int32_t RunSettings::*field, int32_t value) {
  m_app.m_settings.*field = value;
  Kept(m_profile.WriteInt(key.name, value));
}

void SettingsEditor::Remember(const keys::IntKey& key, int32_t value) {
  Kept(m_profile.WriteInt(key.name, value));
}

int32_t SettingsEditor::Recall(const keys::IntKey& key) const {
  return m_profile.ReadInt(key.name, key.defaultValue);
}

void SettingsEditor::SetText(const keys::StringKey& key, std::wstring RunSettings::*field,
                             std::wstring value) {
  Kept(m_profile.WriteString(key.name, value));
  m_app.m_settings.*field = std::move(value);
}

void SettingsEditor::SetBigBlind(const keys::IntKey& key, int32_t RunSettings::*field,
                                 int32_t index) {
  m_app.m_settings.*field = BigBlindFromIndex(index);
  Kept(m_profile.WriteInt(key.name, index));
}

void SettingsEditor::SetTableSize(int32_t numPl) {
  SetInt(keys::kNumPl, &RunSettings::NumPl, numPl);
  AdjustSeatBounds(m_profile, m_app.m_settings);
}

int32_t SettingsEditor::LoadSites() {
  RunSettings& s = m_app.m_settings;
  m_sites = LoadSiteList(s.DBSource, {BuildConnectionString(s), &m_app.m_log});
  if (s.DBPokerRoomIndex < 0 || static_cast<size_t>(s.DBPokerRoomIndex) >= m_sites.size())
    s.DBPokerRoomIndex = 0;
  s.DBPokerRoomSiteId = SiteIdAt(m_sites, s.DBPokerRoomIndex);
  return m_sites.empty() ? -1 : s.DBPokerRoomIndex;
}

int32_t SettingsEditor::SetDataSource(int32_t kind) {
  SetInt(keys::kDBSource, &RunSettings::DBSource, kind);
  m_app.m_settings.DBPokerRoomIndex =
      m_profile.ReadInt(keys::kDBPokerRoom.name, keys::kDBPokerRoom.defaultValue);
  return LoadSites();
}

void SettingsEditor::SetDatabaseRoom(int32_t index) {
  SetInt(keys::kDBPokerRoom, &RunSettings::DBPokerRoomIndex, index);
  m_app.m_settings.DBPokerRoomSiteId = SiteIdAt(m_sites, index);
}

std::optional<DateRangeTexts> SettingsEditor::SetDateRange(const DateRange& range) {
  return ApplyDateRange(m_profile, m_app.m_dateRange, range.from, range.to);
}

void SettingsEditor::SetGameSelection(const GameFlags& flags) {
  m_app.m_nBC = flags;
  Kept(SaveGameSelection(m_profile, flags));
}

bool SettingsEditor::SetPlayersSeated(int64_t minPl, int64_t maxPl) {
  return lumora::SetPlayersSeated(m_profile, m_app.m_settings, minPl, maxPl);
}

}  // namespace lumora
