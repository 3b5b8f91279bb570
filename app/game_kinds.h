#pragma once
// The 36 game kinds of the game-selection dialog. The index of a kind is also
// its game code wherever a code is needed (header filter, database filters).

#include <array>
#include <cstdint>
#include <string_view>

namespace lumora {

inline constexpr int kGameKindCount = 36;

/// One flag per game kind (m_nBC); nonzero selects the kind.
using GameFlags = std::array<int32_t, kGameKindCount>;

/// Indexes of the "All" box and the six group boxes.
inline constexpr int kAllGames = 0;
inline constexpr int kHoldemGames = 1;
inline constexpr int kOmahaGames = 5;
inline constexpr int kFiveCardOmahaGames = 12;
inline constexpr int kStudGames = 19;
inline constexpr int kDrawGames = 23;
inline constexpr int kMixedGames = 32;

struct GameKind {
  std::wstring_view label;  ///< the dialog's check-box text
  int group;                ///< index of its group box; -1 for "All" and the group boxes
};

/// The kinds in index order.
extern const std::array<GameKind, kGameKindCount> kGameKinds;

/// True for "All" and the six group boxes.
bool IsGroupBox(int index);

/// A hand of game `code` counts when "All", its group box or its own flag is
/// set. Codes outside 0..35 never count.
bool IsGameSelected(const GameFlags& flags, int code);

/// Flags with only "All" set: what an empty profile selects.
GameFlags AllGamesSelected();

}  // namespace lumora
