#include "app/game_kinds.h"

namespace lumora {

const std::array<GameKind, kGameKindCount> kGameKinds = {{
    {L"All", -1},
    {L"Hold'em Games", -1},
    {L"No Limit Hold'em", kHoldemGames},
    {L"Pot Limit Hold'em", kHoldemGames},
    {L"Limit Hold'em", kHoldemGames},
    {L"Omaha Games", -1},
    {L"No Limit Omaha", kOmahaGames},
    {L"Pot Limit Omaha", kOmahaGames},
    {L"Limit Omaha", kOmahaGames},
    {L"No Limit Omaha Hi / Lo", kOmahaGames},
    {L"Pot Limit Omaha Hi / Lo", kOmahaGames},
    {L"Limit Omaha Hi / Lo", kOmahaGames},
    {L"5 Card Omaha Games", -1},
    {L"Pot Limit 5 Card Omaha", kFiveCardOmahaGames},
    {L"Pot Limit 5 Card Omaha Hi / Lo", kFiveCardOmahaGames},
    {L"Limit 5 Card Omaha Hi / Lo", kFiveCardOmahaGames},
    {L"Pot Limit Courchavel", kFiveCardOmahaGames},
    {L"Pot Limit Courchavel Hi / Lo", kFiveCardOmahaGames},
    {L"Limit Courchavel Hi / Lo", kFiveCardOmahaGames},
    {L"Stud Games", -1},
    {L"7 Card Stud", kStudGames},
    {L"7 Card Stud Hi / Lo", kStudGames},
    {L"Razz", kStudGames},
    {L"Draw Games", -1},
    {L"No Limit 5 Card Draw", kDrawGames},
    {L"Pot Limit 5 Card Draw", kDrawGames},
    {L"Limit 5 Card Draw", kDrawGames},
    {L"No Limit 2-7 Triple Draw", kDrawGames},
    {L"Pot Limit 2-7 Triple Draw", kDrawGames},
    {L"Limit 2-7 Triple Draw", kDrawGames},
    {L"No Limit 2-7 Single Draw", kDrawGames},
    {L"Limit Badugi", kDrawGames},
    {L"Mixed Games", -1},
    {L"8- Games", kMixedGames},
    {L"HORSE", kMixedGames},
    {L"No Limit Hold'em / Pot Limit Omaha", kMixedGames},
}};

bool IsGroupBox(int index) {
  return index == kHoldemGames || index == kOmahaGames || index == kFiveCardOmahaGames ||
         index == kStudGames || index == kDrawGames || index == kMixedGames;
}

bool IsGameSelected(const GameFlags& flags, int code) {
  if (code < 0 || code >= kGameKindCount) return false;
  const int group = kGameKinds[code].group;
  return flags[kAllGames] != 0 || (group >= 0 && flags[group] != 0) || flags[code] != 0;
}

GameFlags AllGamesSelected() {
  GameFlags flags{};
  flags[kAllGames] = 1;
  return flags;
}

}  // namespace lumora
