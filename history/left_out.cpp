#include "history/left_out.h"

namespace lumora {

std::wstring_view FileSkipWords(FileSkip reason) {
  switch (reason) {
    case FileSkip::kTournament:
      return L"tournament";
    case FileSkip::kPlayMoney:
      return L"play money";
    case FileSkip::kOtherCurrency:
      return L"other currency";
    case FileSkip::kTableSize:
      return L"other table size";
    case FileSkip::kOtherLimit:
      return L"other limit";
    case FileSkip::kOtherGame:
      return L"other game";
    case FileSkip::kOtherRoom:
      return L"not this room";
    case FileSkip::kOtherPlayer:
      return L"another player's file";
    case FileSkip::kOutsideDates:
      return L"outside the dates";
    case FileSkip::kNoHeroHand:
      return L"no hand of the hero";
    case FileSkip::kTruncated:
      return L"truncated";
    case FileSkip::kUnreadable:
    case FileSkip::kCount:
      break;
  }
  return L"unreadable";
}

FileSkip FileSkipOfHands(const HandLeftOutCounts& leftOut) {
  size_t most = leftOut.size();
  for (size_t i = 0; i < leftOut.size(); ++i)
    if (leftOut[i] > 0 && (most == leftOut.size() || leftOut[i] > leftOut[most])) most = i;
  if (most == leftOut.size()) return FileSkip::kNoHeroHand;
  switch (static_cast<HandLeftOut>(most)) {
    case HandLeftOut::kOutsideDates:
      return FileSkip::kOutsideDates;
    case HandLeftOut::kOtherLimit:
      return FileSkip::kOtherLimit;
    case HandLeftOut::kOtherCurrency:
      return FileSkip::kOtherCurrency;
    case HandLeftOut::kOtherGame:
      return FileSkip::kOtherGame;
    case HandLeftOut::kTableSize:
      return FileSkip::kTableSize;
    case HandLeftOut::kCutOff:
      return FileSkip::kTruncated;
    case HandLeftOut::kBadAmount:
      return FileSkip::kUnreadable;
    case HandLeftOut::kNotDealtIn:
    case HandLeftOut::kRefused:
    case HandLeftOut::kCount:
      break;
  }
  return FileSkip::kNoHeroHand;
}

}  // namespace lumora
