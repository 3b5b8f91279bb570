// 888poker writes what each action adds to the pot ("raises [$0.30]" puts in
// 0.30 more) and no line for a bet nobody called: the hero's unmatched money
// is worked out from what every player put in. Those contributions are kept
// in whole cents, cut toward zero, as the client's own accounts are.

#include "history/poker888.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "app/run_settings.h"
#include "history/header_date.h"
#include "history/hero_name.h"
#include "history/pattern.h"

namespace lumora {

using namespace std::string_view_literals;

namespace {

constexpr double kCents = 100.0;
constexpr std::wstring_view kFlopomaniaBanner =
    L"***** 888poker Flopomania Table Hand History for Game ";

struct Patterns888 {
  boost::wregex blindsHeader{
      LR"re(([\$|€|£])(\d+.?[0-9]{0,2})/[\$|€|£](\d+.?[0-9]{0,2}) Blinds .* ([0-9]{1,2}) ([0-9]{1,2}) ([0-9]{4}) ([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2}))re"};
  boost::wregex flopomaniaHeader{
      LR"re(([\$|€|£])(\d+.?[0-9]{0,2}) Ante NL Flopomania .* ([0-9]{1,2}) ([0-9]{1,2}) ([0-9]{4}) ([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2}))re"};
  boost::wregex players{LR"re(Total number of players : (\d+))re"};
  boost::wregex seat{LR"re(Seat \d+: (.*) \( [\$|€|£]\d+.?[0-9]{0,2} \))re"};
  boost::wregex blind{LR"re((.*) posts (small|big) blind \[[\$|€|£](\d+[.|\,]?[0-9]{0,2})\])re"};
  boost::wregex firstToAct{
      LR"re((.*) posts ante \(First to Act\) \[[\$|€|£](\d+[.|\,]?[0-9]{0,2})\])re"};
  boost::wregex ante{LR"re((.*) posts ante \[[\$|€|£](\d+[.|\,]?[0-9]{0,2})\])re"};
  boost::wregex deadBlind{
      LR"re((.*) posts dead blind \[[\$|€|£](\d+[.|\,]?[0-9]{0,2}) \+ [\$|€|£](\d+[.|\,]?[0-9]{0,2})\])re"};
  boost::wregex folds{LR"re((.*) folds)re"};
  boost::wregex action{LR"re((.*) (calls|bets|raises) \[[\$|€|£](\d+.?[0-9]{0,2})\])re"};
  boost::wregex collected{LR"re((.*) collected \[ [\$|€|£](\d+.?[0-9]{0,2}) \])re"};
};

/// Whether an action's words stand in the line: a cheap test before the
/// pattern, since most lines are folds and checks.
bool HasAction(std::wstring_view line) {
  return line.find(L" calls ["sv) != std::wstring_view::npos ||
         line.find(L" bets ["sv) != std::wstring_view::npos ||
         line.find(L" raises ["sv) != std::wstring_view::npos;
}

const Patterns888& P() {
  static const Patterns888 kPatterns;
  return kPatterns;
}

int32_t CurrencyFromSign(std::wstring_view sign) {
  if (sign == L"$"sv) return kUsd;
  if (sign == L"€"sv) return kEur;
  return kGbp;
}

class Hand888Reader {
 public:
  Hand888Reader(const HandFilter& filter, int32_t room, int32_t expectedBigBlind)
      : m_filter(filter),
        m_nick(filter.nick),
        m_room(room),
        m_bigBlind(expectedBigBlind),
        m_foldLine(filter.nick + L" folds"),
        m_muckPrefix(filter.nick + L" mucks") {}

  HandReading Read(const HandLines& lines, bool& headerSeen);

 private:
  enum class Verdict { kNext, kRefuse, kDone };

  Verdict ReadHeader(std::wstring_view line, bool& headerSeen);
  bool SeatCountFits(int count) const { return count >= m_filter.minPl && count <= m_filter.maxPl; }
  Verdict ReadPost(std::wstring_view line);
  Verdict ReadOtherAction(std::wstring_view line);
  Verdict ReadHeroAction(std::wstring_view line, HandReading& reading);
  /// Sets or adds to a player's contribution; each amount is taken in whole
  /// cents cut toward zero (a call of 0.57 adds 56).
  void SetContribution(const std::wstring& name, double cents) {
    m_contributions[name] = static_cast<int32_t>(cents);
  }
  void AddContribution(const std::wstring& name, double cents) {
    m_contributions[name] += static_cast<int32_t>(cents);
  }
  int32_t LargestOtherContribution() const;
  /// True when a big blind (or an ante standing for one) is the table's. A
  /// reader told no big blind (a database run over every limit) takes the
  /// hand's first one as its own.
  bool IsTableBigBlind(double cents) {
    if (m_bigBlind == 0) m_bigBlind = static_cast<int32_t>(std::lround(cents));
    return cents == m_bigBlind;
  }

  const HandFilter& m_filter;
  const std::wstring& m_nick;
  int32_t m_room;
  int32_t m_bigBlind;  // cents
  const std::wstring m_foldLine;
  const std::wstring m_muckPrefix;

  double m_heroTotal = 0.0;  // cents, as read
  std::map<std::wstring, int32_t> m_contributions;
  int m_players = 0;
  bool m_heroSeated = false;
  bool m_cardsDealt = false;
  bool m_heroCollected = false;
  bool m_flopomania = false;
  double m_result = 0.0;
  LineMatch m_match;
};

Hand888Reader::Verdict Hand888Reader::ReadHeader(std::wstring_view line, bool& headerSeen) {
  if (StartsWith(line, L"Game #"sv)) {
    if (m_room != kPartyPoker) return Verdict::kRefuse;
    headerSeen = true;
  } else if (line.find(L"PokerStars Hand #"sv) != std::wstring_view::npos ||
             line.find(L"PokerStars Zoom Hand #"sv) != std::wstring_view::npos) {
    if (m_room != kPokerStars) return Verdict::kRefuse;
    headerSeen = true;
  } else if (StartsWith(line, kFlopomaniaBanner)) {
    m_room = k888Poker;
    headerSeen = true;
    m_flopomania = true;
  } else if (StartsWith(line, L"***** 888poker"sv) || StartsWith(line, L"***** LotosPoker "sv) ||
             StartsWith(line, L"#Game No :"sv)) {
    m_room = k888Poker;
    headerSeen = true;
  }
  return Verdict::kNext;
}

int32_t Hand888Reader::LargestOtherContribution() const {
  int32_t largest = 0;
  for (const auto& [name, cents] : m_contributions)
    if (!IsHeroName(name, m_nick)) largest = std::max(largest, cents);
  return largest;
}

Hand888Reader::Verdict Hand888Reader::ReadPost(std::wstring_view line) {
  // Blinds, antes and dead blinds set a player's contribution; a post before
  // the hero sits down cannot be placed.
  if (!m_heroSeated) return Verdict::kRefuse;
  if (ContainsAfterStart(line, L"posts big blind"sv) ||
      ContainsAfterStart(line, L"posts small blind"sv)) {
    if (!MatchLine(line, P().blind, m_match)) return Verdict::kNext;
    const double amount = CaptureAmount(m_match, 3) * kCents;
    if (CaptureView(m_match, 2) == L"big"sv && !IsTableBigBlind(amount)) return Verdict::kRefuse;
    SetContribution(Capture(m_match, 1), amount);
    if (IsHeroName(CaptureView(m_match, 1), m_nick)) m_heroTotal += amount;
    return Verdict::kNext;
  }
  if (MatchLine(line, P().deadBlind, m_match)) {
    const double amount = (CaptureAmount(m_match, 2) + CaptureAmount(m_match, 3)) * kCents;
    SetContribution(Capture(m_match, 1), amount);
    if (IsHeroName(CaptureView(m_match, 1), m_nick)) m_heroTotal += amount;
    return Verdict::kNext;
  }
  // An ante (Flopomania's first to act included) must be the table's.
  if (MatchLine(line, P().firstToAct, m_match) || MatchLine(line, P().ante, m_match)) {
    const double amount = CaptureAmount(m_match, 2) * kCents;
    if (!IsTableBigBlind(amount)) return Verdict::kRefuse;
    SetContribution(Capture(m_match, 1), amount);
    if (IsHeroName(CaptureView(m_match, 1), m_nick)) m_heroTotal += amount;
  }
  return Verdict::kNext;
}

Hand888Reader::Verdict Hand888Reader::ReadOtherAction(std::wstring_view line) {
  if (!m_cardsDealt && line.ends_with(L" folds"sv) && MatchLine(line, P().folds, m_match)) {
    // Players who fold before the deal leave the table's count.
    --m_players;
    if (!SeatCountFits(m_players)) return Verdict::kRefuse;
  }
  if (HasAction(line) && MatchLine(line, P().action, m_match))
    AddContribution(Capture(m_match, 1), CaptureAmount(m_match, 3) * kCents);
  return Verdict::kNext;
}

Hand888Reader::Verdict Hand888Reader::ReadHeroAction(std::wstring_view line, HandReading& reading) {
  if (MatchLine(line, P().action, m_match)) {
    if (!IsHeroName(CaptureView(m_match, 1), m_nick)) return ReadOtherAction(line);
    const double amount = CaptureAmount(m_match, 3) * kCents;
    AddContribution(m_nick, amount);
    m_heroTotal += amount;
    return Verdict::kNext;
  }
  if (!MatchLine(line, P().collected, m_match)) return ReadOtherAction(line);
  if (!IsHeroName(CaptureView(m_match, 1), m_nick)) return Verdict::kNext;
  const double collected = CaptureAmount(m_match, 2) * kCents;
  if (m_flopomania) {
    m_result += collected - m_heroTotal;
    reading.accepted = true;
    return Verdict::kDone;
  }
  if (m_heroCollected) {
    m_result += collected;  // a second pot
    return Verdict::kNext;
  }
  m_heroCollected = true;
  // What he collected, less what he put in; when he put in more than anybody
  // matched, the excess came back with the pot and is his again. A walk (his
  // big blind alone) has nothing to give back.
  const int32_t heroPart = m_contributions[m_nick];
  m_result = collected - heroPart;
  if (heroPart != m_bigBlind) {
    const int32_t excess = heroPart - LargestOtherContribution();
    if (excess >= 1) m_result += excess;
  }
  return Verdict::kNext;
}

HandReading Hand888Reader::Read(const HandLines& lines, bool& headerSeen) {
  HandReading reading;
  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    if (!headerSeen) {
      if (ReadHeader(line, headerSeen) == Verdict::kRefuse) return reading;
      continue;
    }
    if (m_room != k888Poker) continue;
    if (StartsWith(line, kFlopomaniaBanner)) m_flopomania = true;

    Verdict verdict = Verdict::kNext;
    if (StartsWith(line, L"Total number of players :"sv)) {
      if (MatchLine(line, P().players, m_match)) {
        m_players = CaptureInt(m_match, 1);
        if (!SeatCountFits(m_players)) return reading;
      }
    } else if (StartsWith(line, L"Seat "sv)) {
      if (MatchLine(line, P().seat, m_match)) {
        const std::wstring name = Capture(m_match, 1);
        if (name.empty()) return reading;
        m_contributions[name] = 0;
        if (IsHeroName(name, m_nick)) m_heroSeated = true;
      }
    } else if (line == L"** Dealing down cards **"sv) {
      m_cardsDealt = true;
    } else if (line == L"Table Closed"sv || line == L"Connection Lost due to some reason"sv) {
      return reading;
    } else if (ContainsAfterStart(line, L"posts big blind"sv) ||
               ContainsAfterStart(line, L"posts small blind"sv) ||
               ContainsAfterStart(line, L"First to Act"sv) ||
               ContainsAfterStart(line, L"posts dead blind"sv) ||
               (ContainsAfterStart(line, L"ante"sv) &&
                line.find(L" posts ante ["sv) != std::wstring_view::npos)) {
      verdict = ReadPost(line);
    } else if (line == m_foldLine ||
               (StartsWith(line, m_muckPrefix) &&
                (line.size() == m_muckPrefix.size() || line[m_muckPrefix.size()] == L' '))) {
      // The hero is out: he loses what he put in. Out before the deal, he
      // never played the hand.
      if (m_heroTotal > 0.001) reading.resultCents = -m_heroTotal;
      reading.accepted = m_cardsDealt;
      return reading;
    } else if (MayBeHeroLine(line, m_nick)) {
      verdict = ReadHeroAction(line, reading);
    } else {
      verdict = ReadOtherAction(line);
    }
    if (verdict == Verdict::kRefuse) return reading;
    if (verdict == Verdict::kDone) {
      reading.resultCents = m_result;
      return reading;
    }
  }

  if (m_flopomania) {
    m_result -= m_heroTotal;
  } else if (!m_heroCollected) {
    m_result -= m_heroTotal;
    const int32_t excess = m_contributions[m_nick] - LargestOtherContribution();
    if (excess > 0) m_result += excess;
  }
  reading.resultCents = m_result;
  reading.accepted = true;
  return reading;
}

}  // namespace

HandHeader Read888Header(std::wstring_view line) {
  HandHeader header;
  LineMatch match;
  CalendarFields fields;
  if (MatchLine(line, P().blindsHeader, match)) {
    header.smallBlind = CaptureAmount(match, 2);
    header.bigBlind = CaptureAmount(match, 3);
    fields = FieldsFromCaptures(match, 6, 5, 4, 7, 8, 9);
  } else if (MatchLine(line, P().flopomaniaHeader, match)) {
    header.bigBlind = CaptureAmount(match, 2);  // the ante stands in for the big blind
    fields = FieldsFromCaptures(match, 5, 4, 3, 6, 7, 8);
  } else {
    return header;
  }
  header.matched = true;
  header.currency = CurrencyFromSign(CaptureView(match, 1));
  const auto time = HeaderLocalTime(fields);
  header.badDate = !time;
  header.startTime = time.value_or(0);
  return header;
}

HandReading Read888Hand(const HandFilter& filter, const HandLines& lines, int32_t room,
                        int32_t expectedBigBlind, bool& headerSeen) {
  return Hand888Reader(filter, room, expectedBigBlind).Read(lines, headerSeen);
}

}  // namespace lumora
