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
  for (const keys::AnyKey& key : keys::kAllKeys) {
    if (key.number && key.number->field) {
      const keys::IntKey& k = *key.number;
      s.*k.field = k.shown == keys::Shown::kBigBlind ? ReadBigBlind(profile, k) : Read(profile, k);
    } else if (key.text && key.text->field) {
      s.*key.text->field = Read(profile, *key.text);
    }
  }
  NarrowSeatBounds(s.NumPl, s.minPl, s.maxPl);
  return s;
}

bool SaveRunSettings(Profile& profile, const RunSettings& s) {
  bool ok = true;
  for (const keys::AnyKey& key : keys::kAllKeys) {
    if (key.number && key.number->field) {
      const keys::IntKey& k = *key.number;
      ok = (k.shown == keys::Shown::kBigBlind ? WriteBigBlind(profile, k, s.*k.field)
                                              : profile.WriteInt(k.name, s.*k.field)) &&
           ok;
    } else if (key.text && key.text->field) {
      ok = profile.WriteString(key.text->name, s.*key.text->field) && ok;
    }
  }
  return ok;
}

void LoadSavedState(const Profile& profile, CLumoraApp& app, int64_t now) {
  app.m_settings = LoadRunSettings(profile);
  app.m_nBC = LoadGameSelection(profile);
  app.m_dateRange = LoadDateRange(profile, now).range;
}

}  // namespace lumora
