#include "history/tiger_gaming.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>

#include "app/run_settings.h"
#include "history/header_date.h"
#include "history/hero_money.h"
#include "history/hero_name.h"
#include "history/pattern.h"

namespace lumora {

using namespace std::string_view_literals;

namespace {

constexpr double kCents = 100.0;
constexpr int kStreets = 4;  // before the flop, flop, turn, river
constexpr std::wstring_view kAllIn = L" and is all-in";

struct TigerPatterns {
  boost::wregex header{
      LR"re(Tiger Gaming Game #\d+: (.*) Limit \(\$\d+.?[0-9]{0,2}/(\d+.?[0-9]{0,2})\) - (\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (.*))re"};
  boost::wregex seat{LR"re(Seat \d: (.*) \((\d+.?[0-9]{0,2}) in chips\)(.*))re"};
  boost::wregex table{LR"re(Table '.*' (\d+)-Max, Seat #\d+ is the button)re"};
  boost::wregex blind{LR"re((.*): posts (small|big|small & big) blinds? (\d+.?[0-9]{0,2}))re"};
  boost::wregex ante{LR"re((.*): posts the ante (\d+.?[0-9]{0,2}))re"};
  boost::wregex postNow{LR"re((.*): post now (\d+.?[0-9]{0,2}))re"};
  boost::wregex callOrBet{LR"re((.*): (calls|bets) (\d+.?[0-9]{0,2}))re"};
  boost::wregex raise{LR"re((.*): raises (\d+.?[0-9]{0,2}) to (\d+.?[0-9]{0,2}))re"};
  boost::wregex collect{LR"re((.*) collected (\d+.?[0-9]{0,2}))re"};
  boost::wregex uncalled{LR"re(Uncalled bet \((\d+.?[0-9]{0,2})\) returned to (.*))re"};
  boost::wregex showdownWin{LR"re(Seat \d: (.*) showed .* and won \((\d+.?[0-9]{0,2})\))re"};
};

bool HasCallOrBet(std::wstring_view line) {
  return line.find(L": calls "sv) != std::wstring_view::npos ||
         line.find(L": bets "sv) != std::wstring_view::npos;
}

const TigerPatterns& P() {
  static const TigerPatterns kPatterns;
  return kPatterns;
}

/// Reads one hand. Besides the hero's own money it keeps what every player
/// put in on each street: Tiger Gaming writes no line for a bet nobody could
/// match (an all-in raise everybody folds to), so at the end the part of the
/// hero's money that no opponent matched is given back.
class TigerHandReader {
 public:
  TigerHandReader(const HandFilter& filter, int32_t room, int32_t expectedBigBlind)
      : m_filter(filter),
        m_nick(filter.nick),
        m_room(room),
        m_expectedBigBlind(expectedBigBlind),
        m_foldLine(filter.nick + L": folds"),
        m_dealtPrefix(L"Dealt to " + filter.nick + L" [") {}

  HandReading Read(const HandLines& lines, bool& headerSeen);

 private:
  enum class Verdict { kNext, kRefuse };

  Verdict ReadSeat(std::wstring_view line);
  Verdict ReadTable(std::wstring_view line);
  Verdict ReadBlind(std::wstring_view line);
  void ReadPost(std::wstring_view line);
  void ReadAction(std::wstring_view line);
  void ReadOtherAction(std::wstring_view line);
  double& Street(const std::wstring& name) { return m_streets[std::min(m_street, 3)][name]; }
  /// The hero's street money also stands in the street's map, unless the
  /// board was run twice past the river.
  void RecordHeroStreet() {
    if (m_street < kStreets) m_streets[m_street][m_nick] = m_money.street();
  }
  double UnmatchedExcess();

  const HandFilter& m_filter;
  const std::wstring& m_nick;
  const int32_t m_room;
  const int32_t m_expectedBigBlind;
  const std::wstring m_foldLine;
  const std::wstring m_dealtPrefix;

  int m_street = 0;
  HeroMoney m_money;
  std::array<std::map<std::wstring, double>, kStreets> m_streets;
  std::map<std::wstring, double> m_seated;
  bool m_seatPhase = false;
  double m_result = 0.0;
  LineMatch m_match;
};

TigerHandReader::Verdict TigerHandReader::ReadSeat(std::wstring_view line) {
  if (!MatchLine(line, P().seat, m_match)) return Verdict::kNext;
  const std::wstring name = Capture(m_match, 1);
  if (name.empty()) return Verdict::kRefuse;
  m_seated[name] = 0.0;
  for (auto& street : m_streets) street[name] = 0.0;
  return Verdict::kNext;
}

TigerHandReader::Verdict TigerHandReader::ReadTable(std::wstring_view line) {
  if (!MatchLine(line, P().table, m_match)) return Verdict::kNext;
  const int seats = CaptureInt(m_match, 1);
  if (seats < m_filter.minPl || seats > m_filter.maxPl) return Verdict::kRefuse;
  m_seatPhase = true;
  return Verdict::kNext;
}

TigerHandReader::Verdict TigerHandReader::ReadBlind(std::wstring_view line) {
  m_seatPhase = false;
  if (!MatchLine(line, P().blind, m_match)) return Verdict::kNext;
  const std::wstring name = Capture(m_match, 1);
  const std::wstring_view kind = CaptureView(m_match, 2);
  const double amount = CaptureAmount(m_match, 3) * kCents;
  m_streets[0][name] = amount;
  if (IsHeroName(name, m_nick)) {
    if (kind == L"small & big"sv)
      m_money.PostSmallAndBig(amount, m_expectedBigBlind);
    else
      m_money.PostLive(amount);
  }
  if (kind == L"big"sv && amount != m_expectedBigBlind) return Verdict::kRefuse;
  return Verdict::kNext;
}

void TigerHandReader::ReadPost(std::wstring_view line) {
  if (ContainsAfterStart(line, L"posts the ante"sv)) {
    // An ante is dead money: it belongs to the pot, matches no bet, and no
    // blind or raise that follows replaces it.
    if (MatchLine(line, P().ante, m_match) && IsHeroName(CaptureView(m_match, 1), m_nick))
      m_money.PostDead(CaptureAmount(m_match, 2) * kCents);
    return;
  }
  // "post now": a live blind to come in at once.
  if (!MatchLine(line, P().postNow, m_match)) return;
  const double amount = CaptureAmount(m_match, 2) * kCents;
  const std::wstring name = Capture(m_match, 1);
  m_streets[0][name] = amount;
  if (IsHeroName(name, m_nick)) m_money.PostLive(amount);
}

void TigerHandReader::ReadAction(std::wstring_view line) {
  const bool allIn = line.ends_with(kAllIn);
  const std::wstring_view action = allIn ? line.substr(0, line.size() - kAllIn.size()) : line;
  const bool raise = action.find(L": raises "sv) != std::wstring_view::npos &&
                     MatchLine(action, P().raise, m_match);
  const bool callOrBet =
      !raise && HasCallOrBet(action) && MatchLine(action, P().callOrBet, m_match);
  const bool collect = !raise && !callOrBet && !allIn &&
                       line.find(L" collected "sv) != std::wstring_view::npos &&
                       MatchLine(line, P().collect, m_match);
  if (!raise && !callOrBet && !collect) return;
  // The line of a player whose name merely begins with the hero's is his.
  if (!IsHeroName(CaptureView(m_match, 1), m_nick)) {
    ReadOtherAction(line);
    return;
  }
  if (collect) {
    m_result += CaptureAmount(m_match, 2) * kCents;
    return;
  }
  // A raise sets the street's money and a call or bet adds to it; a line
  // that is not all-in tries the call before the raise, which no line can
  // match both ways.
  if (raise)
    m_money.RaiseTo(CaptureAmount(m_match, 3) * kCents);
  else
    m_money.Add(CaptureAmount(m_match, 3) * kCents);
  RecordHeroStreet();
}

void TigerHandReader::ReadOtherAction(std::wstring_view line) {
  // An opponent's all-in call matches the hero's money as much as any call.
  const std::wstring_view action =
      line.ends_with(kAllIn) ? line.substr(0, line.size() - kAllIn.size()) : line;
  // Each pattern is tried only where its words stand: most lines are folds
  // and checks.
  if (HasCallOrBet(action) && MatchLine(action, P().callOrBet, m_match)) {
    if (m_street < kStreets) Street(Capture(m_match, 1)) += CaptureAmount(m_match, 3) * kCents;
    return;
  }
  if (action.find(L": raises "sv) != std::wstring_view::npos &&
      MatchLine(action, P().raise, m_match)) {
    if (m_street < kStreets) Street(Capture(m_match, 1)) = CaptureAmount(m_match, 3) * kCents;
    return;
  }
  if (StartsWith(line, L"Uncalled bet ("sv) && line.ends_with(m_nick)) {
    if (MatchLine(line, P().uncalled, m_match) && IsHeroName(CaptureView(m_match, 2), m_nick)) {
      const double amount = CaptureAmount(m_match, 1) * kCents;
      m_money.Return(amount);
      if (m_street < kStreets) Street(Capture(m_match, 2)) -= amount;
    }
    return;
  }
  if (StartsWith(line, L"Total pot"sv)) return;
  if (line.find(L" and won ("sv) != std::wstring_view::npos &&
      MatchLine(line, P().showdownWin, m_match) && IsHeroName(CaptureView(m_match, 1), m_nick))
    m_result += CaptureAmount(m_match, 2) * kCents;
}

double TigerHandReader::UnmatchedExcess() {
  const auto total = [&](const std::wstring& name) {
    double sum = 0.0;
    for (auto& street : m_streets) sum += street[name];
    return sum;
  };
  double largestOther = 0.0;
  double hero = 0.0;
  for (const auto& [name, unused] : m_seated) {
    if (IsHeroName(name, m_nick))
      hero = total(name);
    else
      largestOther = std::max(largestOther, total(name));
  }
  return hero > largestOther ? hero - largestOther : 0.0;
}

HandReading TigerHandReader::Read(const HandLines& lines, bool& headerSeen) {
  HandReading reading;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::wstring_view line = TrimView(lines[i]);
    if (!headerSeen) {
      if (StartsWith(line, L"Tiger Gaming Game #"sv)) {
        if (i + 1 == lines.size() || m_room != kTigerGaming) return reading;
        headerSeen = true;
      }
      continue;
    }
    if (m_room != kTigerGaming) continue;
    if (m_seatPhase && ReadSeat(line) == Verdict::kRefuse) return reading;

    if (StartsWith(line, L"Table "sv)) {
      if (ReadTable(line) == Verdict::kRefuse) return reading;
    } else if (ContainsAfterStart(line, L"posts big blind"sv) ||
               ContainsAfterStart(line, L"posts small"sv)) {
      if (ReadBlind(line) == Verdict::kRefuse) return reading;
    } else if (StartsWith(line, L"*** FLOP *** "sv) || StartsWith(line, L"*** TURN *** "sv) ||
               StartsWith(line, L"*** RIVER *** "sv)) {
      m_money.NextStreet();
      ++m_street;
    } else if (ContainsAfterStart(line, L"posts the ante"sv) ||
               ContainsAfterStart(line, L"post now"sv)) {
      ReadPost(line);
    } else if (line == m_foldLine) {
      const double putIn = m_money.Total();
      reading.resultCents = putIn > 0.001 ? -putIn : 0.0;
      reading.accepted = true;
      return reading;
    } else if (StartsWith(line, L"Dealt to "sv) && StartsWith(line, m_dealtPrefix)) {
      const std::wstring_view rest = line.substr(m_dealtPrefix.size());
      const size_t close = rest.find(L']');
      if (close == std::wstring_view::npos || close == 0) return reading;
    } else if (MayBeHeroLine(line, m_nick)) {
      ReadAction(line);
    } else {
      ReadOtherAction(line);
    }
  }
  m_result -= m_money.Total();
  m_result += UnmatchedExcess();
  reading.resultCents = m_result;
  reading.accepted = true;
  return reading;
}

}  // namespace

HandHeader ReadTigerHeader(std::wstring_view line) {
  HandHeader header;
  LineMatch match;
  if (!MatchLine(line, P().header, match)) return header;
  header.matched = true;
  header.bigBlind = CaptureAmount(match, 2);
  const auto time = HeaderLocalTime(FieldsFromCaptures(match, 3));
  header.badDate = !time;
  header.startTime = time.value_or(0);
  return header;
}

HandReading ReadTigerHand(const HandFilter& filter, const HandLines& lines, int32_t room,
                          int32_t expectedBigBlind, bool& headerSeen) {
  return TigerHandReader(filter, room, expectedBigBlind).Read(lines, headerSeen);
}

}  // namespace lumora
