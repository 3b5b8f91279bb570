#include "app/settings_lists.h"

#include "base/text.h"

namespace lumora {

const std::array<std::wstring_view, 5> kRoomLabels = {L"PartyPoker", L"PokerStars", L"888 Poker",
                                                      L"TigerGaming", L"iPoker"};

const std::array<std::wstring_view, 5> kTableSizeLabels = {L"Heads-Up", L"3", L"SH (6-Max)",
                                                           L"FR (7-10)", L"All"};

const std::array<std::wstring_view, 20> kBigBlindLabels = {
    L"2",  L"4",  L"5",  L"6",   L"10",  L"16",  L"25",   L"50",   L"$1 = 100", L"$2",
    L"$4", L"$5", L"$6", L"$10", L"$20", L"$50", L"$100", L"$200", L"$400",     L"All"};

const std::array<std::wstring_view, 4> kDataSourceLabels = {L"HoldemManager1", L"HoldemManager2",
                                                            L"PokerTracker 4", L"HVD"};

const std::array<std::wstring_view, 3> kCurrencyWords = {L"USD", L"EUR", L"GBP"};

int32_t BigBlindFromLabel(std::wstring_view label) {
  if (label == L"All") return 0;
  if (label.starts_with(L'$')) return ParseInt(label.substr(1)) * 100;
  return ParseInt(label);
}

int32_t BigBlindFromIndex(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(kBigBlindLabels.size())) index = 0;
  return BigBlindFromLabel(kBigBlindLabels[index]);
}

int32_t BigBlindIndexFromCents(int32_t cents) {
  for (size_t i = 0; i < kBigBlindLabels.size(); ++i)
    if (BigBlindFromLabel(kBigBlindLabels[i]) == cents) return static_cast<int32_t>(i);
  return -1;
}

std::wstring_view ComparisonTableLabel(int32_t numPl) {
  static constexpr std::array<std::wstring_view, 5> kLabels = {L"HU", L"3-max", L"SH", L"FR",
                                                               L"All"};
  return numPl >= 0 && numPl < 5 ? kLabels[numPl] : std::wstring_view(L"?");
}

}  // namespace lumora
