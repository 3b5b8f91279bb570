#include "history/hero_name.h"

#include <array>

namespace lumora {

bool IsHeroSeatName(std::wstring_view captured, std::wstring_view nick) {
  static constexpr std::array<std::wstring_view, 3> kPositions = {L" (button)", L" (small blind)",
                                                                  L" (big blind)"};
  while (captured != nick) {
    bool stripped = false;
    for (std::wstring_view position : kPositions) {
      if (EndsWith(captured, position)) {
        captured.remove_suffix(position.size());
        stripped = true;
        break;
      }
    }
    if (!stripped) return false;
  }
  return true;
}

bool IsHeroSeated(const TextLines& lines, std::wstring_view nick) {
  if (nick.empty()) return false;
  for (const std::wstring_view raw : lines) {
    std::wstring_view line = TrimView(raw);
    if (!StartsWith(line, L"Seat ")) continue;
    line.remove_prefix(5);
    const size_t colon = line.find_first_not_of(L"0123456789");
    if (colon == 0 || colon == std::wstring_view::npos) continue;
    line.remove_prefix(colon);
    if (StartsWith(line, L": ") && StartsWith(line.substr(2), nick) &&
        StartsWith(line.substr(2 + nick.size()), L" ("))
      return true;
  }
  return false;
}

}  // namespace lumora
