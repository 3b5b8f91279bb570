#include "app/settings_store.h"

#include "app/date_range.h"
#include "app/game_selection.h"
#include "app/lumora_app.h"
#include "app/profile.h"
#include "app/profile_keys.h"
#include "app/settings_lists.h"

namespace lumora {
namespace {

int32_t Read(const Profile& profile, const keys::IntKey& key) {
  return profile.ReadInt(key.name, key.defaultValue);
}

std::wstring Read(const Profile& profile, const keys::StringKey& key) {
  return profile.ReadString(key.name, key.defaultValue);
}

// The big-blind settings live in the profile as the index of their list entry.
int32_t ReadBigBlind(const Profile& profile, const keys::IntKey& key) {
  return BigBlindFromIndex(Read(profile, key));
}

// A big blind that no list entry shows cannot be stored as an index; the
// profile keeps its previous choice then.
bool WriteBigBlind(Profile& profile, const keys::IntKey& key, int32_t cents) {
  const int32_t index = BigBlindIndexFromCents(cents);
  return index < 0 || profile.WriteInt(key.name, index);
}

}  // namespace

RunSettings LoadRunSettings(const Profile& profile) {
  RunSettings s;
  s.HistoryPath = Read(profile, keys::kHistoryPath);
  s.NickName = Read(profile, keys::kNickName);
  s.Source = Read(profile, keys::kSource);
  s.PokerRoom = Read(profile, keys::kPokerRoom);
  s.NumPl = Read(profile, keys::kNumPl);
  s.CashLimit = ReadBigBlind(profile, keys::kCashLimit);
  s.Currency = Read(profile, keys::kCurrency);
  s.NumPl_0 = Read(profile, keys::kNumPl0);
  s.NumPl_1 = Read(profile, keys::kNumPl1);
  s.CashLimit_0 = ReadBigBlind(profile, keys::kCashLimit0);
  s.CashLimit_1 = ReadBigBlind(profile, keys::kCashLimit1);
  s.CurrencyCompare = Read(profile, keys::kCurrencyCompare);
  s.Zoom = Read(profile, keys::kZoom);
  s.NonZoom = Read(profile, keys::kNonZoom);
  s.ServerIP = Read(profile, keys::kServerIP);
  s.Port = Read(profile, keys::kPort);
  s.DBName = Read(profile, keys::kDBName);
  s.DBUser = Read(profile, keys::kDBUser);
  s.DBPass = Read(profile, keys::kDBPass);
  s.DBSource = Read(profile, keys::kDBSource);
  s.DBPokerRoomIndex = Read(profile, keys::kDBPokerRoom);
  s.NickDB = Read(profile, keys::kNickDB);
  s.minPl = Read(profile, keys::kMinPl);
  s.maxPl = Read(profile, keys::kMaxPl);
  NarrowSeatBounds(s.NumPl, s.minPl, s.maxPl);
  return s;
}

bool SaveRunSettings(Profile& profile, const RunSettings& s) {
  bool ok = true;
  const auto put = [&](const auto& key, const auto& value) {
    ok = profile.WriteString(key.name, value) && ok;
  };
  const auto putInt = [&](const keys::IntKey& key, int32_t value) {
    ok = profile.WriteInt(key.name, value) && ok;
  };
  put(keys::kHistoryPath, s.HistoryPath);
  put(keys::kNickName, s.NickName);
  putInt(keys::kSource, s.Source);
  putInt(keys::kPokerRoom, s.PokerRoom);
  putInt(keys::kNumPl, s.NumPl);
  ok = WriteBigBlind(profile, keys::kCashLimit, s.CashLimit) && ok;
  putInt(keys::kCurrency, s.Currency);
  putInt(keys::kNumPl0, s.NumPl_0);
  putInt(keys::kNumPl1, s.NumPl_1);
  ok = WriteBigBlind(profile, keys::kCashLimit0, s.CashLimit_0) && ok;
  ok = WriteBigBlind(profile, keys::kCashLimit1, s.CashLimit_1) && ok;
  putInt(keys::kCurrencyCompare, s.CurrencyCompare);
  putInt(keys::kZoom, s.Zoom);
  putInt(keys::kNonZoom, s.NonZoom);
  put(keys::kServerIP, s.ServerIP);
  put(keys::kPort, s.Port);
  put(keys::kDBName, s.DBName);
  put(keys::kDBUser, s.DBUser);
  put(keys::kDBPass, s.DBPass);
  putInt(keys::kDBSource, s.DBSource);
  putInt(keys::kDBPokerRoom, s.DBPokerRoomIndex);
  put(keys::kNickDB, s.NickDB);
  putInt(keys::kMinPl, s.minPl);
  putInt(keys::kMaxPl, s.maxPl);
  return ok;
}

void LoadSavedState(const Profile& profile, CLumoraApp& app, int64_t now) {
  app.m_settings = LoadRunSettings(profile);
  app.m_nBC = LoadGameSelection(profile);
  app.m_dateRange = LoadDateRange(profile, now).range;
}

}  // namespace lumora
