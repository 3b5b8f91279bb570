#pragma once
// The banner lines that open the hands of PartyPoker and of 888poker (and
// the skins that write its format: Cassava, LotosPoker, LuckyAcePoker …).
// Both rooms may write "#Game No : N" first; the banner tells them apart:
// 888's names its brand, PartyPoker's names none.

#include <string_view>

#include "base/text.h"

namespace lumora {

/// "***** Hand History for Game 198554437 *****"
inline bool IsPartyBanner(std::wstring_view line) {
  return StartsWith(line, L"***** Hand History for Game ");
}

/// "***** 888poker Hand History for Game 1107204823 *****", "***** Cassava
/// Hand History …", "***** 888poker Flopomania Table Hand History …".
inline bool Is888Banner(std::wstring_view line) {
  return StartsWith(line, L"***** ") && !IsPartyBanner(line) &&
         line.find(L" Hand History for Game ") != std::wstring_view::npos;
}

/// The banner of a Flopomania hand (antes, no blinds).
inline bool IsFlopomaniaBanner(std::wstring_view line) {
  return StartsWith(line, L"***** 888poker Flopomania Table Hand History for Game ");
}

}  // namespace lumora
