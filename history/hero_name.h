#pragma once
// Recognising the hero in a hand history. A line is the hero's only when the
// player its pattern names is the hero: comparing the start of the line would
// take the lines of "Bobby" for those of the hero "Bob". Every reader asks
// here, so the rule lives in one place.

#include <string_view>

#include "base/history_file.h"
#include "base/text.h"

namespace lumora {

/// True when the name a pattern captured is the hero's nick (compared whole
/// and case-sensitively).
inline bool IsHeroName(std::wstring_view captured, std::wstring_view nick) {
  return captured == nick;
}

/// True when a summary seat line's name is the hero's. The room may follow
/// the name with position remarks in parentheses ("Hero (button) (small
/// blind)"); only the known positions are taken off, since a name may hold
/// parentheses of its own ("Roni (LBK)").
bool IsHeroSeatName(std::wstring_view captured, std::wstring_view nick);

/// A cheap test before any pattern: a line the hero's own can only begin
/// with his nick.
inline bool MayBeHeroLine(std::wstring_view line, std::wstring_view nick) {
  return !nick.empty() && StartsWith(line, nick);
}

/// True when `line` is the hero's nick followed by `rest` and nothing more,
/// as his fold line "Hero: folds" is: no line is built for every hand.
inline bool IsHeroSaying(std::wstring_view line, std::wstring_view nick, std::wstring_view rest) {
  return line.size() == nick.size() + rest.size() && StartsWith(line, nick) && EndsWith(line, rest);
}

/// The length of "Dealt to <nick> [" when `line` begins with it (the hero's
/// hole cards follow), else 0.
inline size_t DealtToHeroLength(std::wstring_view line, std::wstring_view nick) {
  constexpr std::wstring_view kDealt = L"Dealt to ";
  constexpr std::wstring_view kOpen = L" [";
  if (!StartsWith(line, kDealt) || !StartsWith(line.substr(kDealt.size()), nick) ||
      !StartsWith(line.substr(kDealt.size() + nick.size()), kOpen))
    return 0;
  return kDealt.size() + nick.size() + kOpen.size();
}

/// True when a seat line of the hand ("Seat 3: Hero ($10 in chips)", as
/// every room writes them) seats the hero. Lines are trimmed first.
bool IsHeroSeated(const TextLines& lines, std::wstring_view nick);

}  // namespace lumora
