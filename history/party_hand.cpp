// The PartyPoker lines of a hand. PartyPoker writes what each action adds to
// the pot ("raises [$0.50 USD]" puts in 0.50 more), so everything the hero
// puts in is simply summed; an uncalled bet comes back inside the amount he
// wins.

#include <array>

#include "history/hero_name.h"
#include "history/pattern.h"
#include "history/pokerstars_hand.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

constexpr double kCents = 100.0;

/// A line that opens with a PartyPoker name: a word, then at most one blank
/// and a second word.
boost::wregex NamedPattern(std::wstring_view rest) {
  return boost::wregex(LR"re(([\w|\$\-]+\s?[\w|\$]*))re" + std::wstring(rest));
}

struct PartyPatterns {
  boost::wregex players{LR"re(Total number of players : \d+/(\d+))re"};
  boost::wregex blind{
      NamedPattern(LR"re( posts (small|big) blind \[\$(\d+.?[0-9]{0,2}) USD\].)re")};
  boost::wregex deadBlind{
      NamedPattern(LR"re( posts (small|big) blind \+ dead \[(\d+[.|\,]?[0-9]{0,2}) \$\].)re")};
  // The client writes the sign first: "posts big blind + dead [$0.35]."
  boost::wregex deadBlindSignFirst{
      NamedPattern(LR"re( posts (small|big) blind \+ dead \[\$(\d+[.|\,]?[0-9]{0,2})\].)re")};
  boost::wregex action{NamedPattern(LR"re( (calls|bets|raises) \[\$(\d+.?[0-9]{0,2}) USD\])re")};
  boost::wregex wins{NamedPattern(LR"re( wins \$(\d+.?[0-9]{0,2}) USD[\w|\s|\.|,]*)re")};
  boost::wregex allIn{NamedPattern(LR"re( is all-In\s+\[\$(\d+.?[0-9]{0,2}) USD\])re")};
};

const PartyPatterns& P() {
  static const PartyPatterns kPatterns;
  return kPatterns;
}

/// A blind line: "posts big blind" or "posts small blind" after the start,
/// with a '$' after the word "blind" that follows "posts".
bool IsBlindLine(std::wstring_view line) {
  if (!ContainsAfterStart(line, L"posts big blind"sv) &&
      !ContainsAfterStart(line, L"posts small blind"sv))
    return false;
  const size_t posts = line.find(L"posts"sv);
  const size_t blind = line.find(L"blind"sv, posts);
  return blind != std::wstring_view::npos && line.find(L'$', blind) != std::wstring_view::npos;
}

/// A decimal comma read as a point ("0,35" is 0.35).
double CommaAmount(std::wstring_view text) {
  std::wstring amount(text);
  for (wchar_t& c : amount)
    if (c == L',') c = L'.';
  return ParseAmount(amount);
}

}  // namespace

HandReading ReadPartyHand(const HandFilter& filter, const HandLines& lines, int32_t fileBigBlind,
                          bool& headerSeen) {
  const std::wstring& nick = filter.nick;
  const std::wstring foldLine = nick + L" folds";
  HandReading reading;
  double putIn = 0.0;   // everything the hero put in, cents
  double result = 0.0;  // everything he won, cents
  LineMatch match;

  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    if (!headerSeen) {
      if (StartsWith(line, L"Game #"sv)) headerSeen = true;
      continue;
    }
    if (StartsWith(line, L"Total number of players :"sv)) {
      if (MatchLine(line, P().players, match)) {
        const int seats = CaptureInt(match, 1);
        if (seats < filter.minPl || seats > filter.maxPl) return reading;
      }
    } else if (line == L"Table Closed"sv) {
      return reading;
    } else if (line == L"Connection Lost due to some reason"sv) {
      headerSeen = false;  // the rest of the hand cannot be trusted
    } else if (IsBlindLine(line)) {
      if (MatchLine(line, P().blind, match)) {
        const double amount = CaptureAmount(match, 3) * kCents;
        // Each blind the hero posts counts once, whether it is the table's
        // or one posted to come in.
        if (IsHeroName(CaptureView(match, 1), nick)) putIn += amount;
        if (CaptureView(match, 2) == L"big"sv && amount != fileBigBlind) return reading;
      } else if (MatchLine(line, P().deadBlind, match) ||
                 MatchLine(line, P().deadBlindSignFirst, match)) {
        if (IsHeroName(CaptureView(match, 1), nick))
          putIn += CommaAmount(CaptureView(match, 3)) * kCents;
      }
    } else if (line == foldLine) {
      reading.resultCents = putIn > 0.001 ? -putIn : 0.0;
      reading.accepted = true;
      return reading;
    } else if (MayBeHeroLine(line, nick)) {
      if (MatchLine(line, P().action, match)) {
        if (IsHeroName(CaptureView(match, 1), nick)) putIn += CaptureAmount(match, 3) * kCents;
      } else if (MatchLine(line, P().wins, match)) {
        if (IsHeroName(CaptureView(match, 1), nick)) result += CaptureAmount(match, 2) * kCents;
      } else if (MatchLine(line, P().allIn, match)) {
        if (IsHeroName(CaptureView(match, 1), nick)) putIn += CaptureAmount(match, 2) * kCents;
      }
    }
  }
  reading.resultCents = result - putIn;
  reading.accepted = true;
  return reading;
}

}  // namespace lumora
