#pragma once
// Game codes: the game name of a hand header, as the rooms write it, mapped to
// the index of its game kind in the game-selection table (app/game_kinds.h).

#include <string_view>

namespace lumora {

/// Code of an unknown game name.
inline constexpr int kUnknownGame = -1;

/// The game-kind code of a header's game name ("Hold'em No Limit" gives 2,
/// "Omaha Pot Limit" 7, "Omaha Hi/Lo Pot Limit" 10, "5 Card Omaha Pot Limit"
/// 13, "5 Card Omaha Hi/Lo Pot Limit" 14, "Courchevel Pot Limit" 16, ...).
/// Leading and trailing blanks are ignored; an unknown name gives
/// kUnknownGame.
int GetTypeGameHH(std::wstring_view gameName);

}  // namespace lumora
