// 888poker writes what each action adds to the pot ("raises [$0.30]" puts in
// 0.30 more) and no line for a bet nobody called: the hero's unmatched money
// is worked out from what every player put in. Amounts stand in brackets
// with the sign before or after them, as the client's language has it
// ("[$0.10]", "[25 $]", "( 3 023,50 $ )").

#include "history/poker888.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/run_settings.h"
#include "history/all_in_input.h"
#include "history/amount.h"
#include "history/banners.h"
#include "history/card_text.h"
#include "history/chip_ledger.h"
#include "history/hand_end.h"
#include "history/header_date.h"
#include "history/hero_name.h"
#include "history/history_hands.h"
#include "history/line_scan.h"
#include "history/pattern.h"
#include "history/street_tracker.h"

namespace lumora {

using namespace std::string_view_literals;

namespace {

// Flopomania's stakes: "$0.10 Ante NL Flopomania …", the sign before or
// after the amount. Captures: 1 sign, 2 amount, 3 sign after it. The blinds'
// form of every other game is read by Scan888Stakes.
constexpr std::wstring_view kAnte = LR"re(([\$€£]?) ?{S} ?([\$€£]?) Ante NL Flopomania .*)re";

struct Patterns888 {
  boost::wregex flopomaniaStakes{WithAmounts(kAnte)};
  boost::wregex flopomaniaHeader{WithAmounts(std::wstring(kAnte) + std::wstring(k888DatePattern))};
  boost::wregex players{LR"re(Total number of players : (\d+))re"};
  boost::wregex ante{LR"re((.+) posts ante (?:\(First to Act\) )?\[(.*)\])re"};
  boost::wregex deadBlind{LR"re((.+) posts dead blind \[(.*) \+ (.*)\])re"};
  boost::wregex folds{LR"re((.+) folds)re"};
  boost::wregex collected{LR"re((.+) collected \[ (.*) \])re"};
  boost::wregex shown{LR"re((.+) (?:shows|mucks) \[ (.*) \])re"};
};

/// Whether an action's words stand in the line: a cheap test before the
/// pattern, since most lines are folds and checks.
bool HasAction(std::wstring_view line) {
  return line.find(L" calls ["sv) != std::wstring_view::npos ||
         line.find(L" bets ["sv) != std::wstring_view::npos ||
         line.find(L" raises ["sv) != std::wstring_view::npos;
}

bool IsStreetAction(std::wstring_view line) {
  return EndsWith(line, L" folds"sv) || EndsWith(line, L" checks"sv) || HasAction(line);
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
  Hand888Reader(const std::wstring& source, const HandFilter& filter, int32_t room,
                int64_t expectedBigBlind, const PokerLogic& engine)
      : m_source(source),
        m_filter(filter),
        m_nick(filter.nick),
        m_room(room),
        m_bigBlind(expectedBigBlind),
        m_engine(engine),
        m_muckPrefix(filter.nick + L" mucks") {}

  HandReading Read(const HandLines& lines, bool& headerSeen);

 private:
  enum class Verdict { kNext, kRefuse };

  Verdict ReadHeader(std::wstring_view line, bool& headerSeen);
  bool SeatCountFits(int count) const { return count >= m_filter.minPl && count <= m_filter.maxPl; }
  Verdict ReadPost(std::wstring_view line, HandReading& reading);
  Verdict ReadAction(std::wstring_view line);
  void ReadCollected(std::wstring_view line);
  /// True when a big blind (or an ante standing for one) is the table's, or
  /// is all the poster had. A reader told no big blind (a database run over
  /// every limit) takes the hand's first one as its own.
  bool IsTableBigBlind(int64_t cents, std::wstring_view poster) {
    if (m_bigBlind == 0) m_bigBlind = cents;
    if (cents == m_bigBlind) return true;
    for (const auto& [name, stack] : m_seats)
      if (name == poster) return m_amounts.Cents(stack) == cents;
    return false;
  }
  bool IsHeroLine(std::wstring_view name) {
    const bool hero = IsHeroName(name, m_nick);
    if (hero) m_dealtIn = true;
    return hero;
  }
  std::optional<AllInHandReport> EvaluateAllIn(const HandLines& lines, int64_t result);

  const std::wstring& m_source;
  const HandFilter& m_filter;
  const std::wstring& m_nick;
  int32_t m_room;
  int64_t m_bigBlind;  // cents
  const PokerLogic& m_engine;
  const std::wstring m_muckPrefix;

  HandAmounts m_amounts;
  ChipLedger m_ledger;
  /// Each seat's name and stack as written; a stack is read when it matters.
  std::vector<std::pair<std::wstring_view, std::wstring_view>> m_seats;
  int m_players = 0;
  bool m_heroSeated = false;
  bool m_cardsDealt = false;
  bool m_dealtIn = false;
  bool m_heroActed = false;  // he called, bet or raised: not a walk
  bool m_flopomania = false;
  bool m_hiLo = false;
  int64_t m_heroCollected = 0;
  int64_t m_allCollected = 0;
  std::wstring m_handNumber;
  std::wstring m_heroCards;
  StreetTracker m_streets;
  LineMatch m_match;
};

Hand888Reader::Verdict Hand888Reader::ReadHeader(std::wstring_view line, bool& headerSeen) {
  if (StartsWith(line, L"Game #"sv) || IsPartyBanner(line)) {
    if (m_room != kPartyPoker) return Verdict::kRefuse;
    headerSeen = true;
  } else if (line.find(L"PokerStars Hand #"sv) != std::wstring_view::npos ||
             line.find(L"PokerStars Zoom Hand #"sv) != std::wstring_view::npos) {
    if (m_room != kPokerStars) return Verdict::kRefuse;
    headerSeen = true;
  } else if (Is888Banner(line) || StartsWith(line, L"#Game No :"sv)) {
    m_room = k888Poker;
    headerSeen = true;
    m_flopomania = IsFlopomaniaBanner(line);
    m_handNumber = HandIdOf(line);
  }
  return Verdict::kNext;
}

Hand888Reader::Verdict Hand888Reader::ReadPost(std::wstring_view line, HandReading& reading) {
  // A post before the hero sits down cannot be placed.
  if (!m_heroSeated) {
    reading.leftOut = HandLeftOut::kNotDealtIn;
    return Verdict::kRefuse;
  }
  if (ContainsAfterStart(line, L"posts big blind"sv) ||
      ContainsAfterStart(line, L"posts small blind"sv)) {
    ScanCaptures blind;
    if (!ScanBracketBlind(line, blind)) return Verdict::kNext;
    const int64_t cents = m_amounts.Cents(blind[3]);
    const std::wstring_view name = blind[1];
    if (blind[2] == L"big"sv && !IsTableBigBlind(cents, name)) {
      reading.leftOut = HandLeftOut::kOtherLimit;
      return Verdict::kRefuse;
    }
    IsHeroLine(name);
    m_ledger[name].Add(cents);
    return Verdict::kNext;
  }
  if (MatchLine(line, P().deadBlind, m_match)) {
    // "[$1 + $2]": the small blind is dead, the big one live.
    const std::wstring_view name = CaptureView(m_match, 1);
    IsHeroLine(name);
    PlayerMoney& money = m_ledger[name];
    money.PostDead(m_amounts.Capture(m_match, 2));
    money.Add(m_amounts.Capture(m_match, 3));
    return Verdict::kNext;
  }
  // An ante (Flopomania's first to act included) must be the table's.
  if (MatchLine(line, P().ante, m_match)) {
    const int64_t cents = m_amounts.Capture(m_match, 2);
    const std::wstring_view name = CaptureView(m_match, 1);
    if (!IsTableBigBlind(cents, name)) {
      reading.leftOut = HandLeftOut::kOtherLimit;
      return Verdict::kRefuse;
    }
    IsHeroLine(name);
    m_ledger[name].PostDead(cents);
  }
  return Verdict::kNext;
}

Hand888Reader::Verdict Hand888Reader::ReadAction(std::wstring_view line) {
  if (!m_cardsDealt && EndsWith(line, L" folds"sv) && MatchLine(line, P().folds, m_match)) {
    // Players who fold before the deal leave the table's count.
    --m_players;
    if (!SeatCountFits(m_players)) return Verdict::kRefuse;
  }
  ScanCaptures action;
  if (HasAction(line) && ScanBracketAction(line, action)) {
    const std::wstring_view name = action[1];
    if (IsHeroLine(name)) m_heroActed = true;
    m_ledger[name].Add(m_amounts.Cents(action[2]));
  }
  return Verdict::kNext;
}

void Hand888Reader::ReadCollected(std::wstring_view line) {
  if (!MatchLine(line, P().collected, m_match)) return;
  const int64_t cents = m_amounts.Capture(m_match, 2);
  m_allCollected += cents;
  if (IsHeroLine(CaptureView(m_match, 1))) m_heroCollected += cents;
}

HandReading Hand888Reader::Read(const HandLines& lines, bool& headerSeen) {
  HandReading reading;
  bool folded = false;
  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    if (!headerSeen) {
      if (ReadHeader(line, headerSeen) == Verdict::kRefuse) return reading;
      continue;
    }
    if (m_room != k888Poker) continue;
    if (m_streets.Street() > 0 && IsStreetAction(line)) m_streets.Acted();

    Verdict verdict = Verdict::kNext;
    if (IsFlopomaniaBanner(line)) {
      m_flopomania = true;
    } else if (StartsWith(line, L"** Dealing "sv)) {
      if (line == L"** Dealing down cards **"sv) m_cardsDealt = true;
      m_streets.Marker(line);
    } else if (StartsWith(line, L"Total number of players :"sv)) {
      if (MatchLine(line, P().players, m_match)) {
        m_players = CaptureInt(m_match, 1);
        if (!SeatCountFits(m_players)) return reading.LeaveOut(HandLeftOut::kPlayersSeated);
      }
    } else if (StartsWith(line, L"Seat "sv)) {
      ScanCaptures seat;
      if (ScanBracketSeat(line, seat)) {
        const std::wstring_view name = seat[1];
        m_seats.emplace_back(name, seat[2]);
        if (IsHeroName(name, m_nick)) m_heroSeated = true;
      }
    } else if (line == L"Table Closed"sv || line == L"Connection Lost due to some reason"sv) {
      return reading.LeaveOut(HandLeftOut::kCutOff, CutOffNote());
    } else if (ContainsAfterStart(line, L"posts big blind"sv) ||
               ContainsAfterStart(line, L"posts small blind"sv) ||
               ContainsAfterStart(line, L"posts dead blind"sv) ||
               line.find(L" posts ante "sv) != std::wstring_view::npos) {
      verdict = ReadPost(line, reading);
    } else if (IsHeroSaying(line, m_nick, L" folds"sv) ||
               (StartsWith(line, m_muckPrefix) &&
                (line.size() == m_muckPrefix.size() || line[m_muckPrefix.size()] == L' '))) {
      // The hero is out: he loses what he put in. Out before the deal, he
      // never played the hand.
      if (!m_cardsDealt) return reading.LeaveOut(HandLeftOut::kNotDealtIn);
      m_dealtIn = true;
      folded = true;
      break;
    } else if (const size_t dealt = DealtToHeroLength(line, m_nick)) {
      m_heroCards = CardText(line.substr(dealt - 1));  // from the "["
      m_dealtIn = true;
    } else if (line.find(L" collected [ "sv) != std::wstring_view::npos) {
      ReadCollected(line);
    } else if (!m_hiLo && m_ledger.Empty() && line.find(L"OmahaHL"sv) != std::wstring_view::npos) {
      m_hiLo = true;  // the stakes line, before the seats
    } else {
      if (!m_nick.empty() && IsHeroSaying(line, m_nick, L" checks"sv)) m_dealtIn = true;
      verdict = ReadAction(line);
    }
    if (verdict == Verdict::kRefuse) {
      // Only the players-seated count refuses without a reason of its own.
      if (reading.leftOut == HandLeftOut::kRefused) reading.leftOut = HandLeftOut::kPlayersSeated;
      if (reading.leftOut == HandLeftOut::kNotDealtIn)
        reading.leftOut = NotDealtInReason(lines, m_nick);
      return reading;
    }
  }
  if (LeftOutAtTheEnd(reading, lines, m_nick, m_dealtIn, HasLineFromEnd(lines, L"** Summary **"sv),
                      m_amounts))
    return reading;

  int64_t result = m_heroCollected - m_ledger[m_nick].Total();
  // What the hero put in that nobody matched came back to him, but is not in
  // what he collected; in a walk (his blind alone) it is.
  if (!folded && (m_heroActed || m_heroCollected == 0 || m_flopomania))
    result += m_ledger.Unmatched(m_nick);
  reading.accepted = true;
  reading.resultCents = static_cast<double>(result);
  if (!folded) reading.allIn = EvaluateAllIn(lines, result);
  return reading;
}

std::optional<AllInHandReport> Hand888Reader::EvaluateAllIn(const HandLines& lines,
                                                            int64_t result) {
  AllInHandInput allIn;
  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    if ((line.find(L" shows [ "sv) != std::wstring_view::npos ||
         line.find(L" mucks [ "sv) != std::wstring_view::npos) &&
        MatchLine(line, P().shown, m_match)) {
      std::wstring name = Capture(m_match, 1);
      std::wstring cards = CardText(CaptureView(m_match, 2));
      allIn.showdown.push_back({std::move(name), std::move(cards)});
    }
  }
  if (!FillFromStreets(allIn, m_streets, result, m_heroCards, m_ledger)) return std::nullopt;
  // The collected amounts leave out the money nobody matched; what else is
  // missing from them is the rake.
  int64_t matched = 0;
  for (const auto& [name, cents] : allIn.putIn)
    matched += static_cast<int64_t>(cents) - m_ledger.Unmatched(name);
  allIn.rake = static_cast<double>(std::max<int64_t>(matched - m_allCollected, 0)) * 0.01;
  for (const auto& [name, stack] : m_seats)
    allIn.stacks[std::wstring(name)] = static_cast<double>(m_amounts.Cents(stack)) * 0.01;
  return EvaluateAllInOf(allIn, {m_source, m_handNumber, m_nick, m_bigBlind, m_hiLo}, m_engine);
}

/// The stakes of a stakes line and, `withDate`, its date (by `memo` when given).
HandHeader ReadStakesAndDate(std::wstring_view line, bool withDate, LocalTimeMemo* memo) {
  HandHeader header;
  CalendarFields fields;
  HandAmounts amounts;
  std::wstring_view sign;  // before the amount ("$0.05") or after it ("25 $")
  if (ContainsAfterStart(line, L"Flopomania"sv)) {
    LineMatch match;
    if (!MatchLine(line, withDate ? P().flopomaniaHeader : P().flopomaniaStakes, match))
      return header;
    // The ante stands in for the big blind.
    header.bigBlindCents = amounts.Capture(match, 2);
    fields = FieldsFromCaptures(match, 6, 5, 4, 7, 8, 9);
    sign = match[1].length() > 0 ? CaptureView(match, 1) : CaptureView(match, 3);
  } else {
    ScanCaptures match;
    if (!(withDate ? Scan888Header(line, match) : Scan888Stakes(line, match))) return header;
    header.bigBlindCents = amounts.Cents(match[4]);
    fields = FieldsFromCaptures(match, 7, 6, 5, 8, 9, 10);
    sign = !match[1].empty() ? match[1] : match[3];
  }
  if (amounts.Failed()) return header;
  header.matched = true;
  header.currency = CurrencyFromSign(sign);
  if (!withDate) return header;
  const auto time = HeaderLocalTime(fields, memo);
  header.badDate = !time;
  header.startTime = time.value_or(0);
  return header;
}

}  // namespace

HandHeader Read888Stakes(std::wstring_view line) {
  return ReadStakesAndDate(line, false, nullptr);
}

HandHeader Read888Header(std::wstring_view line, LocalTimeMemo* memo) {
  return ReadStakesAndDate(line, true, memo);
}

HandReading Read888Hand(const std::wstring& source, const HandFilter& filter,
                        const HandLines& lines, int32_t room, int64_t expectedBigBlind,
                        bool& headerSeen, const PokerLogic& engine) {
  return Hand888Reader(source, filter, room, expectedBigBlind, engine).Read(lines, headerSeen);
}

}  // namespace lumora
