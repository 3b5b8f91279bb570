#include "app/game_selection.h"

#include <array>

#include "app/profile.h"
#include "app/profile_keys.h"
#include "base/text.h"

namespace lumora {
namespace {

// The single kinds the hand-history readers accept; ticking one of them
// replaces its whole group, so the group box goes off.
constexpr std::array<int, 6> kAcceptedKinds = {2, 7, 10, 13, 14, 16};

bool IsAcceptedKind(int index) {
  for (int kind : kAcceptedKinds)
    if (kind == index) return true;
  return false;
}

// The most players each table size seats, by table-size code.
constexpr std::array<int32_t, 5> kSeatLimit = {2, 3, 6, 10, 10};

}  // namespace

std::wstring FormatGameSelection(const GameFlags& flags) {
  std::wstring text = L" ";
  for (int32_t flag : flags) {
    text += std::to_wstring(flag);
    text += L' ';
  }
  return text;
}

GameFlags ParseGameSelection(std::wstring_view text) {
  if (text.empty()) return AllGamesSelected();
  GameFlags flags{};
  // Each flag is taken as one digit and its blank: the text is read in steps
  // of two characters, so the leading blank lines up every digit.
  for (int i = 0; i < kGameKindCount && text.size() >= 3; ++i) {
    flags[i] = ParseInt(text);
    text.remove_prefix(2);
  }
  return flags;
}

GameFlags LoadGameSelection(const Profile& profile) {
  return ParseGameSelection(
      profile.ReadString(keys::kGameSelection.name, keys::kGameSelection.defaultValue));
}

bool SaveGameSelection(Profile& profile, const GameFlags& flags) {
  return profile.WriteString(keys::kGameSelection.name, FormatGameSelection(flags));
}

GameFlags ApplyGameSelectionClick(GameFlags flags, int clicked) {
  if (clicked < 0 || clicked >= kGameKindCount) return flags;
  const bool ticked = flags[clicked] != 0;
  if (clicked == kAllGames) {
    if (ticked)
      for (int i = 1; i < kGameKindCount; ++i) flags[i] = 0;
  } else if (IsGroupBox(clicked)) {
    flags[kAllGames] = 0;
    if (ticked)
      for (int i = 0; i < kGameKindCount; ++i)
        if (kGameKinds[i].group == clicked) flags[i] = 0;
  } else if (IsAcceptedKind(clicked)) {
    flags[kAllGames] = 0;
    if (ticked) flags[kGameKinds[clicked].group] = 0;
  }
  return flags;
}

void NarrowSeatBounds(int32_t numPl, int32_t& minPl, int32_t& maxPl) {
  if (numPl < 0 || numPl >= static_cast<int32_t>(kSeatLimit.size())) return;
  if (minPl < 2) minPl = 2;
  if (maxPl > kSeatLimit[numPl]) maxPl = kSeatLimit[numPl];
}

void AdjustSeatBounds(Profile& profile, RunSettings& settings) {
  const int32_t storedMin = profile.ReadInt(keys::kMinPl.name, keys::kMinPl.defaultValue);
  const int32_t storedMax = profile.ReadInt(keys::kMaxPl.name, keys::kMaxPl.defaultValue);
  settings.minPl = storedMin;
  settings.maxPl = storedMax;
  NarrowSeatBounds(settings.NumPl, settings.minPl, settings.maxPl);
  if (settings.minPl != storedMin) profile.WriteInt(keys::kMinPl.name, settings.minPl);
  if (settings.maxPl != storedMax) profile.WriteInt(keys::kMaxPl.name, settings.maxPl);
}

bool SetPlayersSeated(Profile& profile, RunSettings& settings, int64_t minPl, int64_t maxPl) {
  const auto inRange = [](int64_t seats) { return seats >= 2 && seats <= 10; };
  if (!inRange(minPl) || !inRange(maxPl)) return false;
  if (settings.minPl != minPl) {
    settings.minPl = static_cast<int32_t>(minPl);
    profile.WriteInt(keys::kMinPl.name, settings.minPl);
  }
  if (settings.maxPl != maxPl) {
    settings.maxPl = static_cast<int32_t>(maxPl);
    profile.WriteInt(keys::kMaxPl.name, settings.maxPl);
  }
  return true;
}

}  // namespace lumora
