#include "history/left_out.h"

#include <iterator>

namespace lumora {

std::wstring_view FileSkipWords(FileSkip reason) {
  static constexpr std::wstring_view kWords[] = {L"tournament",          L"play money",
                                                 L"other currency",      L"other table size",
                                                 L"other limit",         L"other game",
                                                 L"not this room",       L"another player's file",
                                                 L"outside the dates",   L"no hand of the hero",
                                                 L"truncated",           L"unreadable",
                                                 L"cannot be opened",    L"over 512 MB",
                                                 L"not read whole",      L"folder cannot be opened",
                                                 L"XML nested too deep", L"XML too large",
                                                 L"XML document type"};
  static_assert(std::size(kWords) == static_cast<size_t>(FileSkip::kCount));
  return kWords[static_cast<size_t>(reason)];
}

std::wstring_view HandLeftOutWords(HandLeftOut reason) {
  static constexpr std::wstring_view kWords[] = {
      L"room or format",  L"currency",          L"big blind", L"table size",
      L"players seated",  L"date range",        L"game kind", L"zoom/non-zoom",
      L"hero not seated", L"hero not dealt in", L"cut off",   L"unreadable amount",
      L"unreadable"};
  static_assert(std::size(kWords) == static_cast<size_t>(HandLeftOut::kCount));
  return kWords[static_cast<size_t>(reason)];
}

FileSkip FileSkipOfHands(const HandLeftOutCounts& leftOut) {
  // The file's reason for each hand's, in the order of HandLeftOut.
  static constexpr FileSkip kFileReason[] = {
      FileSkip::kOtherRoom,  FileSkip::kOtherCurrency, FileSkip::kOtherLimit, FileSkip::kTableSize,
      FileSkip::kTableSize,  FileSkip::kOutsideDates,  FileSkip::kOtherGame,  FileSkip::kOtherGame,
      FileSkip::kNoHeroHand, FileSkip::kNoHeroHand,    FileSkip::kTruncated,  FileSkip::kUnreadable,
      FileSkip::kNoHeroHand};
  static_assert(std::size(kFileReason) == static_cast<size_t>(HandLeftOut::kCount));
  size_t most = leftOut.size();
  for (size_t i = 0; i < leftOut.size(); ++i)
    if (leftOut[i] > 0 && (most == leftOut.size() || leftOut[i] > leftOut[most])) most = i;
  return most == leftOut.size() ? FileSkip::kNoHeroHand : kFileReason[most];
}

std::optional<HandLeftOut> HandLeftOutOfFile(FileSkip reason) {
  switch (reason) {
    case FileSkip::kOtherRoom:
      return HandLeftOut::kOtherRoom;
    case FileSkip::kOtherCurrency:
      return HandLeftOut::kOtherCurrency;
    case FileSkip::kOtherLimit:
      return HandLeftOut::kOtherLimit;
    case FileSkip::kTableSize:
      return HandLeftOut::kTableSize;
    case FileSkip::kOtherPlayer:
      return HandLeftOut::kHeroNotSeated;
    default:
      return std::nullopt;
  }
}

}  // namespace lumora
