// The PartyPoker lines of a hand. PartyPoker writes what each action adds to
// the pot ("raises [$0.50 USD]" puts in 0.50 more), so everything the hero
// puts in is simply summed; an uncalled bet comes back inside the amount he
// wins. Names may hold dots and blanks ("dr. spaz"), so a line is the hero's
// when it begins with his nick and a known word follows.

#include <array>
#include <optional>

#include "history/all_in_input.h"
#include "history/amount.h"
#include "history/card_text.h"
#include "history/chip_ledger.h"
#include "history/hand_end.h"
#include "history/hero_name.h"
#include "history/history_hands.h"
#include "history/line_scan.h"
#include "history/pattern.h"
#include "history/pokerstars_hand.h"
#include "history/street_tracker.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

struct PartyPatterns {
  boost::wregex players{LR"re(Total number of players : \d+/(\d+))re"};
  // Amounts stand in brackets, the sign before or after them: "[$0.10 USD]",
  // "[$0.35]", "[0,35 $]".
  boost::wregex deadBlind{LR"re((.+) posts (?:small|big) blind \+ dead \[(.*)\]\.?)re"};
  boost::wregex allIn{LR"re((.+) is all-In\s+\[(.*)\])re"};
  // "wins $14.18 USD", "... from the side pot 1 with ...", "wins Lo ($0.09 USD) ...".
  boost::wregex wins{WithAmounts(LR"re((.+) wins (?:Lo \()?[\$€£]?{A}(?:[ )].*)?)re")};
  boost::wregex shows{LR"re((.+) (?:shows|doesn't show) \[(.*)\].*)re"};
};

const PartyPatterns& P() {
  static const PartyPatterns kPatterns;
  return kPatterns;
}

/// A line that moves money, or a player's win.
struct PartyMove {
  enum class Kind { kBlind, kBigBlind, kDeadBlind, kAdd, kWin };
  Kind kind = Kind::kAdd;
  std::wstring_view name;
  int64_t cents = 0;
};

std::optional<PartyMove> ReadPartyMove(std::wstring_view line, HandAmounts& amounts,
                                       LineMatch& match) {
  PartyMove move;
  ScanCaptures scanned;
  if (line.find(L" posts "sv) != std::wstring_view::npos) {
    if (ScanBracketBlind(line, scanned)) {
      move.kind = scanned[2] == L"big"sv ? PartyMove::Kind::kBigBlind : PartyMove::Kind::kBlind;
      move.cents = amounts.Cents(scanned[3]);
      move.name = scanned[1];
      return move;
    }
    if (MatchLine(line, P().deadBlind, match)) {
      move.kind = PartyMove::Kind::kDeadBlind;
      move.cents = amounts.Capture(match, 2);
    } else {
      return std::nullopt;
    }
  } else if (line.find(L" wins "sv) != std::wstring_view::npos) {
    if (!MatchLine(line, P().wins, match)) return std::nullopt;
    move.kind = PartyMove::Kind::kWin;
    move.cents = amounts.Capture(match, 2);
  } else if (line.find(L" is all-In "sv) != std::wstring_view::npos) {
    if (!MatchLine(line, P().allIn, match)) return std::nullopt;
    move.cents = amounts.Capture(match, 2);
  } else if (line.find(L" ["sv) != std::wstring_view::npos &&
             (line.find(L" calls ["sv) != std::wstring_view::npos ||
              line.find(L" bets ["sv) != std::wstring_view::npos ||
              line.find(L" raises ["sv) != std::wstring_view::npos)) {
    if (!ScanBracketAction(line, scanned)) return std::nullopt;
    move.cents = amounts.Cents(scanned[2]);
    move.name = scanned[1];
    return move;
  } else {
    return std::nullopt;
  }
  move.name = CaptureView(match, 1);
  return move;
}

/// A player's action on a street: the words stand at the end of the line or
/// before the amount.
bool IsActionLine(std::wstring_view line) {
  return EndsWith(line, L" folds"sv) || EndsWith(line, L" checks"sv) ||
         line.find(L" calls ["sv) != std::wstring_view::npos ||
         line.find(L" bets ["sv) != std::wstring_view::npos ||
         line.find(L" raises ["sv) != std::wstring_view::npos ||
         line.find(L" is all-In "sv) != std::wstring_view::npos;
}

/// The words that show a player was dealt in and acting.
bool IsPlayWord(std::wstring_view rest) {
  for (std::wstring_view word :
       {L"posts "sv, L"calls "sv, L"bets "sv, L"raises "sv, L"is all-In"sv, L"folds"sv, L"checks"sv,
        L"shows "sv, L"doesn't show"sv, L"wins "sv})
    if (StartsWith(rest, word)) return true;
  return false;
}

class PartyHandReader {
 public:
  PartyHandReader(const std::wstring& source, const HandFilter& filter, int64_t fileBigBlind,
                  const PokerLogic& engine)
      : m_source(source),
        m_filter(filter),
        m_nick(filter.nick),
        m_bigBlind(fileBigBlind),
        m_engine(engine) {}

  HandReading Read(const HandLines& lines, bool& headerSeen);

 private:
  bool IsAllInPost(std::wstring_view name, int64_t cents);
  void ReadHeroLine(std::wstring_view line);
  std::optional<AllInHandReport> EvaluateAllIn(const HandLines& lines, int64_t result);

  const std::wstring& m_source;
  const HandFilter& m_filter;
  const std::wstring& m_nick;
  int64_t m_bigBlind;  // cents; 0 takes the first big blind posted
  const PokerLogic& m_engine;

  HandAmounts m_amounts;
  int64_t m_putIn = 0;  // everything the hero put in
  int64_t m_won = 0;    // everything he won
  bool m_dealtIn = false;
  bool m_folded = false;
  bool m_hiLo = false;
  std::wstring m_handNumber;
  std::wstring m_heroCards;
  std::vector<std::wstring_view> m_seats;
  StreetTracker m_streets;
  LineMatch m_match;
};

/// A big blind short of the table's is an all-in for the player's last chips
/// when it is all his seat line shows.
bool PartyHandReader::IsAllInPost(std::wstring_view name, int64_t cents) {
  ScanCaptures scanned;
  for (const std::wstring_view seat : m_seats)
    if (ScanBracketSeat(seat, scanned) && scanned[1] == name)
      return m_amounts.Cents(scanned[2]) == cents;
  return false;
}

void PartyHandReader::ReadHeroLine(std::wstring_view line) {
  const std::wstring_view rest = line.substr(m_nick.size());
  if (!StartsWith(rest, L" "sv) || !IsPlayWord(rest.substr(1))) return;
  m_dealtIn = true;
  if (const std::optional<PartyMove> move = ReadPartyMove(line, m_amounts, m_match)) {
    if (!IsHeroName(move->name, m_nick)) return;
    if (move->kind == PartyMove::Kind::kWin)
      m_won += move->cents;
    else
      m_putIn += move->cents;
  }
}

HandReading PartyHandReader::Read(const HandLines& lines, bool& headerSeen) {
  HandReading reading;
  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    if (!headerSeen) {
      if (StartsWith(line, L"Game #"sv) || StartsWith(line, L"***** Hand History for Game "sv) ||
          StartsWith(line, L"#Game No :"sv)) {
        headerSeen = true;
        m_handNumber = HandIdOf(line);
      }
      continue;
    }
    // Only the acting after the flop tells where the money went all in.
    if (m_streets.Street() > 0 && IsActionLine(line)) m_streets.Acted();
    if (StartsWith(line, L"** Dealing "sv)) {
      m_streets.Marker(line);
    } else if (StartsWith(line, L"Total number of players :"sv)) {
      if (MatchLine(line, P().players, m_match)) {
        const int seats = CaptureInt(m_match, 1);
        if (seats < m_filter.minPl || seats > m_filter.maxPl)
          return reading.LeaveOut(HandLeftOut::kPlayersSeated);
      }
    } else if (StartsWith(line, L"Seat "sv)) {
      m_seats.push_back(line);
    } else if (m_seats.empty() && line.find(L"Omaha Hi-Lo"sv) != std::wstring_view::npos) {
      m_hiLo = true;  // the stakes line, before the seats
    } else if (line == L"Table Closed"sv || line == L"Connection Lost due to some reason"sv) {
      // The rest of the hand cannot be trusted.
      return reading.LeaveOut(HandLeftOut::kCutOff, CutOffNote());
    } else if (ContainsAfterStart(line, L" posts big blind ["sv)) {
      // A big blind of another limit refuses the hand, unless it is short
      // because the player has no more chips.
      const std::optional<PartyMove> move = ReadPartyMove(line, m_amounts, m_match);
      if (move && move->kind == PartyMove::Kind::kBigBlind) {
        if (m_bigBlind == 0) m_bigBlind = move->cents;
        if (move->cents != m_bigBlind && !IsAllInPost(move->name, move->cents))
          return reading.LeaveOut(HandLeftOut::kOtherLimit);
      }
      if (MayBeHeroLine(line, m_nick)) ReadHeroLine(line);
    } else if (const size_t dealt = DealtToHeroLength(line, m_nick)) {
      m_heroCards = CardText(line.substr(dealt));
      m_dealtIn = true;
    } else if (IsHeroSaying(line, m_nick, L" folds"sv)) {
      m_dealtIn = true;
      m_folded = true;
      break;  // nothing after his fold changes his result
    } else if (MayBeHeroLine(line, m_nick)) {
      ReadHeroLine(line);
    }
  }
  if (LeftOutAtTheEnd(reading, lines, m_nick, m_dealtIn,
                      HasLineContainingFromEnd(lines, L" wins "sv), m_amounts))
    return reading;
  reading.accepted = true;
  const int64_t result = m_won - m_putIn;
  reading.resultCents = static_cast<double>(result);
  if (!m_folded) reading.allIn = EvaluateAllIn(lines, result);
  return reading;
}

std::optional<AllInHandReport> PartyHandReader::EvaluateAllIn(const HandLines& lines,
                                                              int64_t result) {
  AllInHandInput allIn;
  // The money, the cards shown and the wins of everybody, read again: only
  // a hand shown down after an all-in needs them.
  ChipLedger ledger;
  int64_t wins = 0;
  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    if (line.find(L"show"sv) != std::wstring_view::npos && MatchLine(line, P().shows, m_match)) {
      std::wstring name = Capture(m_match, 1);
      std::wstring cards = CardText(CaptureView(m_match, 2));
      allIn.showdown.push_back({std::move(name), std::move(cards)});
      continue;
    }
    const std::optional<PartyMove> move = ReadPartyMove(line, m_amounts, m_match);
    if (!move) continue;
    PlayerMoney& money = ledger[move->name];
    if (move->kind == PartyMove::Kind::kWin)
      wins += move->cents;
    else if (move->kind == PartyMove::Kind::kDeadBlind)
      money.PostSmallAndBig(move->cents, m_bigBlind);
    else
      money.Add(move->cents);
  }
  if (!FillFromStreets(allIn, m_streets, result, m_heroCards, ledger)) return std::nullopt;
  int64_t total = 0;
  for (const auto& [name, cents] : allIn.putIn) total += static_cast<int64_t>(cents);
  // The wins hold the bets nobody called: what is missing from them is the rake.
  allIn.rake = static_cast<double>(std::max<int64_t>(total - wins, 0)) * 0.01;
  ScanCaptures scanned;
  for (const std::wstring_view seat : m_seats)
    if (ScanBracketSeat(seat, scanned))
      allIn.stacks[std::wstring(scanned[1])] =
          static_cast<double>(m_amounts.Cents(scanned[2])) * 0.01;
  return EvaluateAllInOf(allIn, {m_source, m_handNumber, m_nick, m_bigBlind, m_hiLo}, m_engine);
}

}  // namespace

HandReading ReadPartyHand(const std::wstring& source, const HandFilter& filter,
                          const HandLines& lines, int64_t fileBigBlind, bool& headerSeen,
                          const PokerLogic& engine) {
  return PartyHandReader(source, filter, fileBigBlind, engine).Read(lines, headerSeen);
}

}  // namespace lumora
