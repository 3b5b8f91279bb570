#include "history/hero_name.h"

#include <array>

namespace lumora {

bool IsHeroSeatName(std::wstring_view captured, std::wstring_view nick) {
  static constexpr std::array<std::wstring_view, 3> kPositions = {L" (button)", L" (small blind)",
                                                                  L" (big blind)"};
  while (captured != nick) {
    bool stripped = false;
    for (std::wstring_view position : kPositions) {
      if (captured.ends_with(position)) {
        captured.remove_suffix(position.size());
        stripped = true;
        break;
      }
    }
    if (!stripped) return false;
  }
  return true;
}

}  // namespace lumora
