#include "history/game_codes.h"

#include <array>
#include <utility>

#include "base/text.h"

namespace lumora {
namespace {

// Names as PokerStars and the rooms sharing its header style write them, with
// the spellings other clients use for the same game. Codes are the indexes of
// the game-selection table.
constexpr std::array<std::pair<std::wstring_view, int>, 40> kGameNames = {{
    {L"Hold'em No Limit", 2},
    {L"Hold'em Pot Limit", 3},
    {L"Hold'em Limit", 4},
    {L"Omaha No Limit", 6},
    {L"Omaha Pot Limit", 7},
    {L"Omaha Limit", 8},
    {L"Omaha Hi/Lo No Limit", 9},
    {L"Omaha Hi/Lo Pot Limit", 10},
    {L"Omaha Hi/Lo Limit", 11},
    {L"5 Card Omaha Pot Limit", 13},
    {L"5 Card Omaha Hi/Lo Pot Limit", 14},
    {L"5 Card Omaha Hi/Lo Limit", 15},
    {L"Courchevel Pot Limit", 16},
    {L"Courchevel Hi/Lo Pot Limit", 17},
    {L"Courchevel Hi/Lo Limit", 18},
    {L"7 Card Stud Limit", 20},
    {L"7 Card Stud Hi/Lo Limit", 21},
    {L"Razz Limit", 22},
    {L"5 Card Draw No Limit", 24},
    {L"5 Card Draw Pot Limit", 25},
    {L"5 Card Draw Limit", 26},
    {L"Triple Draw 2-7 Lowball No Limit", 27},
    {L"Triple Draw 2-7 Lowball Pot Limit", 28},
    {L"Triple Draw 2-7 Lowball Limit", 29},
    {L"Single Draw 2-7 Lowball No Limit", 30},
    {L"Badugi Limit", 31},
    {L"No Limit Hold'em", 2},
    {L"Pot Limit Hold'em", 3},
    {L"Limit Hold'em", 4},
    {L"No Limit Omaha", 6},
    {L"Pot Limit Omaha", 7},
    {L"Limit Omaha", 8},
    {L"No Limit Omaha Hi/Lo", 9},
    {L"Pot Limit Omaha Hi/Lo", 10},
    {L"Limit Omaha Hi/Lo", 11},
    {L"Pot Limit 5 Card Omaha", 13},
    {L"Pot Limit 5 Card Omaha Hi/Lo", 14},
    {L"Pot Limit Courchevel", 16},
    {L"7 Card Stud Hi/Lo", 21},
    {L"Razz", 22},
}};

}  // namespace

int GetTypeGameHH(std::wstring_view gameName) {
  gameName = TrimView(gameName);
  for (const auto& [name, code] : kGameNames)
    if (name == gameName) return code;
  // Mixed games name the rotation first: "HORSE (Razz Limit, ...)",
  // "8-Game (Hold'em Limit, ...)", "Mixed NLH/PLO (...)".
  if (gameName.starts_with(L"HORSE")) return 34;
  if (gameName.starts_with(L"8-Game")) return 33;
  if (gameName.starts_with(L"Mixed NLH/PLO") ||
      gameName.starts_with(L"Hold'em No Limit/Omaha Pot Limit"))
    return 35;
  return kUnknownGame;
}

}  // namespace lumora
