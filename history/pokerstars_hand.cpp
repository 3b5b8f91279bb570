#include "history/pokerstars_hand.h"

#include <algorithm>
#include <map>
#include <optional>

#include "app/run_settings.h"
#include "equity/all_in_ev.h"
#include "history/game_codes.h"
#include "history/hero_money.h"
#include "history/hero_name.h"
#include "history/pattern.h"
#include "history/pokerstars_header.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

// Amounts that count toward the result are cents; pots, rake and stacks stay
// in currency units as the summary prints them.
constexpr double kCents = 100.0;

struct Patterns {
  boost::wregex headerA{
      LR"re(.*PokerStars (.*) #(\d+):\s+(.*) \(.\d+.?[0-9]{0,2}/.(\d+.?[0-9]{0,2}) (USD|EURO|EUR|GBP)\) (.*))re"};
  boost::wregex headerB{
      LR"re(.*PokerStars (.*) #(\d+):\s+(.*) \((.)\d+.?[0-9]{0,2}/.(\d+.?[0-9]{0,2})\) (.*))re"};
  boost::wregex table{LR"re(Table '.*' (\d+)-max Seat #\d+ is the button)re"};
  boost::wregex seat{LR"re(Seat (\d+): (.*) \(.(\d+.?[0-9]{0,2}) in chips\))re"};
  boost::wregex ante{LR"re((.*): posts the ante .(\d+.?[0-9]{0,2}))re"};
  boost::wregex blind{LR"re((.*): posts (small|big|small & big) blinds? (.)(\d+.?[0-9]{0,2}))re"};
  boost::wregex callOrBet{LR"re((.*): (calls|bets) .(\d+.?[0-9]{0,2}))re"};
  boost::wregex raise{LR"re((.*): raises .(\d+.?[0-9]{0,2}) to .(\d+.?[0-9]{0,2}))re"};
  boost::wregex collect{LR"re((.*) collected .(\d+.?[0-9]{0,2}) from (pot|side pot|main pot))re"};
  boost::wregex collectSide{LR"re((.*) collected .(\d+.?[0-9]{0,2}) from side pot-(\d))re"};
  boost::wregex uncalled{LR"re(Uncalled bet \(.(\d+.?[0-9]{0,2})\) returned to (.*))re"};
  boost::wregex pot1{LR"re(Total pot .(\d+.?[0-9]{0,2}) \| Rake .(\d+.?[0-9]{0,2}))re"};
  boost::wregex pot2{
      LR"re(Total pot .(\d+.?[0-9]{0,2}) Main pot .(\d+.?[0-9]{0,2}). Side pot .(\d+.?[0-9]{0,2}). \| Rake .(\d+.?[0-9]{0,2}))re"};
  boost::wregex pot3{
      LR"re(Total pot .(\d+.?[0-9]{0,2}) Main pot .(\d+.?[0-9]{0,2}). Side pot-1 .(\d+.?[0-9]{0,2}). (.*) \| Rake .(\d+.?[0-9]{0,2}))re"};
  boost::wregex furtherSidePot{LR"re(Side pot-(\d) .(\d+.?[0-9]{0,2}).(.*))re"};
  boost::wregex shownWithPosition{
      LR"re(Seat (\d+): (.*) \((button|small blind|big blind)\) (showed|mucked) \[(.*)\](.*))re"};
  boost::wregex shown{LR"re(Seat (\d+): (.*) (showed|mucked) \[(.*)\](.*))re"};
  // Searched within the line.
  boost::wregex cashOutWithFee{
      LR"re((.*) cashed out the hand for [\$|€|£](\d+.?[0-9]{0,2}) \| Cash Out Fee [\$|€|£](\d+.?[0-9]{0,2}))re"};
  boost::wregex cashOut{LR"re((.*) cashed out the hand for [\$|€|£](\d+.?[0-9]{0,2}))re"};
};

const Patterns& P() {
  static const Patterns kPatterns;
  return kPatterns;
}

class StarsHandReader {
 public:
  StarsHandReader(const std::wstring& source, const HandFilter& filter, int32_t room,
                  int32_t fileBigBlind, const PokerLogic& engine)
      : m_source(source),
        m_filter(filter),
        m_room(room),
        m_nick(filter.nick),
        m_bigBlind(fileBigBlind),
        m_engine(engine),
        m_foldLine(filter.nick + L": folds"),
        m_dealtPrefix(L"Dealt to " + filter.nick + L" [") {}

  HandReading Read(const HandLines& lines, bool& headerSeen);

 private:
  enum class Verdict { kNext, kRefuse };

  Verdict ReadHeader(std::wstring_view line, bool& headerSeen);
  void ParseHeader();
  void ReadStreetMarker(std::wstring_view line, size_t index);
  Verdict ReadTable(std::wstring_view line) const;
  void ReadSeat(std::wstring_view line);
  void ReadAnte(std::wstring_view line);
  Verdict ReadBlind(std::wstring_view line);
  bool SeatedCountFits();
  bool SmallBlindPostedBefore();
  void ReadPendingSeat();
  void ReadHeroAction(std::wstring_view line);
  void ReadUncalledBet(std::wstring_view line);
  void ReadPots(std::wstring_view line, HandReading& reading);
  void ReadBoard(std::wstring_view line);
  int StreetWithoutAction() const;

  const std::wstring& m_source;
  const HandFilter& m_filter;
  const int32_t m_room;
  const std::wstring& m_nick;
  int32_t m_bigBlind;  // cents: the file's, then the header's
  const PokerLogic& m_engine;
  const std::wstring m_foldLine;
  const std::wstring m_dealtPrefix;

  std::wstring_view m_headerLine;  // read when first needed
  bool m_headerParsed = false;
  std::wstring m_handNumber;
  bool m_hiLo = false;
  HeroMoney m_money;
  double m_result = 0.0;
  bool m_smallBlindPosted = false;                    // a small blind line was read before
  std::vector<std::wstring_view> m_otherSmallBlinds;  // not looked at yet
  std::map<std::wstring, double> m_stacks;
  /// Seat lines not matched yet: a seat's stack only matters to the all-in
  /// evaluation, and the players-seated check rarely needs every seat.
  std::vector<std::wstring_view> m_pendingSeats;
  size_t m_flop = 0, m_turn = 0, m_river = 0, m_showDown = 0;
  int m_allInStreet = 0;
  bool m_summarySeen = false;
  std::wstring m_heroCards;
  std::wstring m_board;
  std::vector<ShownHand> m_showdown;
  double m_totalPot = 0.0, m_mainPot = 0.0, m_sidePot = 0.0, m_rake = 0.0;
  std::vector<double> m_pots;
  mutable LineMatch m_match;  // reused: a fresh one would allocate for every line
};

StarsHandReader::Verdict StarsHandReader::ReadHeader(std::wstring_view line, bool& headerSeen) {
  // A header of another room's kind refuses the hand; lines before the
  // header are skipped.
  if (StartsWith(line, L"Game #"sv)) return Verdict::kRefuse;
  if (line.find(L"PokerStars Hand #"sv) == std::wstring_view::npos &&
      line.find(L"PokerStars Zoom Hand #"sv) == std::wstring_view::npos)
    return Verdict::kNext;
  if (m_room != kPokerStars) return Verdict::kRefuse;
  headerSeen = true;
  m_allInStreet = 0;
  m_headerLine = line;
  return Verdict::kNext;
}

void StarsHandReader::ParseHeader() {
  // The hand number, game and big blind matter only to an all-in hand, a
  // report or a returning player's blinds: most hands never need them.
  if (m_headerParsed || m_headerLine.empty()) return;
  m_headerParsed = true;
  LineMatch& match = m_match;
  if (MatchLine(m_headerLine, P().headerA, match)) {
    m_bigBlind = static_cast<int32_t>(CaptureAmount(match, 4) * kCents);
  } else if (MatchLine(m_headerLine, P().headerB, match)) {
    m_bigBlind = static_cast<int32_t>(CaptureAmount(match, 5) * kCents);
  } else {
    return;
  }
  m_handNumber = Capture(match, 2);
  const std::wstring_view game = TrimView(CaptureView(match, 3));
  // Only the eight-or-better games split the pot between high and low.
  const bool hiLoGame =
      game == L"Omaha Hi/Lo Pot Limit"sv || game == L"5 Card Omaha Hi/Lo Pot Limit"sv;
  m_hiLo = hiLoGame && IsTakenGame(GetTypeGameHH(game), m_filter.games);
}

void StarsHandReader::ReadStreetMarker(std::wstring_view line, size_t index) {
  if (line.size() < 6) return;
  const wchar_t first = line[4];
  const wchar_t second = line[5];
  if (first == L'H') return;  // the hole cards: no street has passed
  if (first == L'F' && second == L'L') {
    m_flop = index;
  } else if (first == L'F') {
    // A hand run twice ("*** FIRST FLOP ***"): the all-in came before the
    // street that was dealt twice.
    if (m_allInStreet == 0 && line.size() > 10) {
      if (line[10] == L'F') m_allInStreet = 1;
      if (line[10] == L'T') m_allInStreet = 2;
      if (line[10] == L'R') m_allInStreet = 3;
    }
  } else if (first == L'T') {
    m_turn = index;
  } else if (first == L'R') {
    m_river = index;
  } else if (first == L'S' && second == L'H') {
    m_showDown = index;
  }
  m_money.NextStreet();
}

StarsHandReader::Verdict StarsHandReader::ReadTable(std::wstring_view line) const {
  LineMatch& match = m_match;
  if (!MatchLine(line, P().table, match)) return Verdict::kNext;
  const int seats = CaptureInt(match, 1);
  if (m_filter.numPl != kAllTableSizes && (seats < m_filter.minPl || seats > m_filter.maxPl))
    return Verdict::kRefuse;
  return Verdict::kNext;
}

void StarsHandReader::ReadSeat(std::wstring_view line) {
  LineMatch& match = m_match;
  if (!m_summarySeen) {
    // A seat line of a player sitting out has more after its stack.
    if (line.ends_with(L" in chips)"sv)) m_pendingSeats.push_back(line);
    return;
  }
  if (m_allInStreet == 0) return;
  std::wstring name;
  std::wstring cards;
  if (MatchLine(line, P().shownWithPosition, match)) {
    name = Capture(match, 2);
    cards = Capture(match, 5);
  } else if (MatchLine(line, P().shown, match)) {
    name = Capture(match, 2);
    cards = Capture(match, 4);
  } else {
    return;
  }
  if (IsHeroSeatName(name, m_nick)) name = m_nick;
  m_showdown.push_back({std::move(name), std::move(cards)});
}

void StarsHandReader::ReadAnte(std::wstring_view line) {
  LineMatch& match = m_match;
  // An ante is dead money: no blind, call or raise that follows replaces it.
  if (MatchLine(line, P().ante, match) && IsHeroName(CaptureView(match, 1), m_nick))
    m_money.PostDead(CaptureAmount(match, 2) * kCents);
}

void StarsHandReader::ReadPendingSeat() {
  const std::wstring_view line = m_pendingSeats.back();
  m_pendingSeats.pop_back();
  if (MatchLine(line, P().seat, m_match)) m_stacks[Capture(m_match, 2)] = CaptureAmount(m_match, 3);
}

bool StarsHandReader::SeatedCountFits() {
  // The players seated are the distinct names of the seat lines read so far.
  // Each pending line adds at most one, so only as many are matched as it
  // takes to decide.
  if (m_stacks.size() + m_pendingSeats.size() > static_cast<size_t>(m_filter.maxPl)) {
    while (!m_pendingSeats.empty()) ReadPendingSeat();
  } else {
    while (m_stacks.size() < static_cast<size_t>(std::max(m_filter.minPl, 0)) &&
           !m_pendingSeats.empty())
      ReadPendingSeat();
  }
  const int seated = static_cast<int>(m_stacks.size());
  return seated >= m_filter.minPl && seated <= m_filter.maxPl;
}

StarsHandReader::Verdict StarsHandReader::ReadBlind(std::wstring_view line) {
  if (!SeatedCountFits()) return Verdict::kRefuse;
  // Another player's blind matters in two ways only: a big blind of another
  // limit refuses the hand, and the table's small blind makes a small blind
  // the hero posts later a dead one. The second is looked at when it matters.
  const bool bigBlind = ContainsAfterStart(line, L"posts big blind"sv);
  if (!MayBeHeroLine(line, m_nick) && !(bigBlind && m_filter.cashLimit != 0)) {
    if (!bigBlind) m_otherSmallBlinds.push_back(line);
    return Verdict::kNext;
  }
  LineMatch& match = m_match;
  if (!MatchLine(line, P().blind, match)) return Verdict::kNext;
  const bool hero = IsHeroName(CaptureView(match, 1), m_nick);
  const std::wstring_view kind = CaptureView(match, 2);
  const double amount = CaptureAmount(match, 4) * kCents;
  if (kind == L"big"sv) {
    // A live blind, the table's own or one posted to come in: it counts once,
    // in the street, and a raise later sets the street amount over it.
    if (hero) m_money.PostLive(amount);
    if (m_filter.cashLimit != 0 && m_filter.cashLimit != amount) return Verdict::kRefuse;
  } else if (kind == L"small"sv) {
    // The table's small blind is live; a second one is posted dead.
    if (hero) {
      if (SmallBlindPostedBefore())
        m_money.PostDead(amount);
      else
        m_money.PostLive(amount);
    }
    m_smallBlindPosted = true;
  } else if (hero) {
    // "small & big blinds": a returning player's live big blind and a dead
    // small blind beside it.
    ParseHeader();
    m_money.PostSmallAndBig(amount, m_bigBlind);
  }
  return Verdict::kNext;
}

/// Whether a small blind was posted before this line: the lines put aside
/// are looked at now.
bool StarsHandReader::SmallBlindPostedBefore() {
  LineMatch& match = m_match;
  for (const std::wstring_view line : m_otherSmallBlinds)
    if (MatchLine(line, P().blind, match) && CaptureView(match, 2) == L"small"sv)
      m_smallBlindPosted = true;
  m_otherSmallBlinds.clear();
  return m_smallBlindPosted;
}

void StarsHandReader::ReadHeroAction(std::wstring_view line) {
  // Each pattern is tried only where its words stand in the line: most of
  // the hero's lines are checks, folds and shows, which none of them match.
  constexpr std::wstring_view kAllIn = L" and is all-in";
  const bool allIn = line.ends_with(kAllIn);
  if (allIn) line.remove_suffix(kAllIn.size());
  const bool raises = line.find(L": raises "sv) != std::wstring_view::npos;
  const bool callsOrBets = line.find(L": calls "sv) != std::wstring_view::npos ||
                           line.find(L": bets "sv) != std::wstring_view::npos;
  LineMatch& match = m_match;
  const auto heroAmount = [&](int capture) -> std::optional<double> {
    if (!IsHeroName(CaptureView(match, 1), m_nick)) return std::nullopt;
    return CaptureAmount(match, capture) * kCents;
  };
  if (allIn) {
    if (raises && MatchLine(line, P().raise, match)) {
      if (const auto amount = heroAmount(3)) m_money.RaiseTo(*amount);
    } else if (callsOrBets && MatchLine(line, P().callOrBet, match)) {
      if (const auto amount = heroAmount(3)) m_money.Add(*amount);
    }
    return;
  }
  if (callsOrBets && MatchLine(line, P().callOrBet, match)) {
    if (const auto amount = heroAmount(3)) m_money.Add(*amount);
    return;
  }
  if (raises && MatchLine(line, P().raise, match)) {
    if (const auto amount = heroAmount(3)) m_money.RaiseTo(*amount);
    return;
  }
  if (line.find(L" collected "sv) != std::wstring_view::npos &&
      (MatchLine(line, P().collect, match) || MatchLine(line, P().collectSide, match))) {
    if (const auto amount = heroAmount(2)) m_result += *amount;
    return;
  }
  if (line.find(L"cashed out the hand for"sv) == std::wstring_view::npos) return;
  // The fee of a cash-out is already off the amount paid.
  if (SearchLine(line, P().cashOutWithFee, match) || SearchLine(line, P().cashOut, match)) {
    if (IsHeroName(CaptureView(match, 1), m_nick)) m_result += CaptureAmount(match, 2) * kCents;
  }
}

void StarsHandReader::ReadUncalledBet(std::wstring_view line) {
  LineMatch& match = m_match;
  if (MatchLine(line, P().uncalled, match) && IsHeroName(CaptureView(match, 2), m_nick))
    m_money.Return(CaptureAmount(match, 1) * kCents);
}

void StarsHandReader::ReadPots(std::wstring_view line, HandReading& reading) {
  LineMatch& match = m_match;
  if (MatchLine(line, P().pot1, match)) {
    m_totalPot = CaptureAmount(match, 1);
    m_rake = CaptureAmount(match, 2);
  } else if (MatchLine(line, P().pot2, match)) {
    m_totalPot = CaptureAmount(match, 1);
    m_mainPot = CaptureAmount(match, 2);
    m_sidePot = CaptureAmount(match, 3);
    m_rake = CaptureAmount(match, 4);
  } else if (MatchLine(line, P().pot3, match)) {
    m_totalPot = CaptureAmount(match, 1);
    m_mainPot = CaptureAmount(match, 2);
    m_sidePot = CaptureAmount(match, 3);
    m_rake = CaptureAmount(match, 5);
    m_pots = {m_mainPot, m_sidePot};
    // "Side pot-2 $5. Side pot-3 $2.": each further pot, one after another.
    std::wstring rest = Capture(match, 4);
    LineMatch further;
    while (!rest.empty() && MatchLine(rest, P().furtherSidePot, further)) {
      m_pots.push_back(CaptureAmount(further, 2));
      rest = Capture(further, 3);
    }
  } else {
    ParseHeader();
    reading.paneNotes.push_back(Format(L"Hand #%s in %s", m_handNumber, m_source));
    reading.paneNotes.emplace_back(line);
  }
}

int StarsHandReader::StreetWithoutAction() const {
  // Consecutive street markers mean nobody could act on the street between:
  // the money was all in before it.
  if (m_turn - m_flop == 1) return 1;
  if (m_river - m_turn == 1) return 2;
  if (m_showDown - m_river == 1) return 3;
  return 0;
}

void StarsHandReader::ReadBoard(std::wstring_view line) {
  if (m_allInStreet == 0) m_allInStreet = StreetWithoutAction();
  if (m_allInStreet <= 1) {
    m_board.clear();
    return;
  }
  // The board as it was at the all-in: 3 cards on the flop, 4 on the turn.
  const size_t open = line.find(L'[');
  if (open == std::wstring_view::npos) return;
  m_board = std::wstring(line.substr(open + 1, 3 * m_allInStreet + 2));
}

HandReading StarsHandReader::Read(const HandLines& lines, bool& headerSeen) {
  HandReading reading;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::wstring_view line = TrimView(lines[i]);
    if (!headerSeen) {
      if (ReadHeader(line, headerSeen) == Verdict::kRefuse) return reading;
      continue;
    }
    if (StartsWith(line, L"***"sv)) ReadStreetMarker(line, i);
    const bool posts = line.find(L"posts "sv, 1) != std::wstring_view::npos;

    if (StartsWith(line, L"Table "sv)) {
      if (ReadTable(line) == Verdict::kRefuse) return reading;
    } else if (StartsWith(line, L"Seat "sv)) {
      ReadSeat(line);
    } else if (posts && ContainsAfterStart(line, L"posts the ante"sv)) {
      ReadAnte(line);
    } else if (posts && (ContainsAfterStart(line, L"posts big blind"sv) ||
                         ContainsAfterStart(line, L"posts small"sv))) {
      if (ReadBlind(line) == Verdict::kRefuse) return reading;
    } else if (line == m_foldLine) {
      const double putIn = m_money.Total();
      reading.resultCents = putIn > 0.001 ? -putIn : 0.0;
      reading.accepted = true;
      return reading;
    } else if (StartsWith(line, m_dealtPrefix)) {
      const std::wstring_view rest = line.substr(m_dealtPrefix.size());
      m_heroCards = std::wstring(rest.substr(0, rest.find(L']')));
    } else if (MayBeHeroLine(line, m_nick)) {
      ReadHeroAction(line);
    } else if (StartsWith(line, L"Uncalled bet ("sv) && line.ends_with(m_nick)) {
      ReadUncalledBet(line);
    } else if (StartsWith(line, L"Total pot"sv) && ContainsAfterStart(line, L"Rake"sv)) {
      ReadPots(line, reading);
    } else if (line == L"*** SUMMARY ***"sv) {
      m_summarySeen = true;
    } else if (m_summarySeen &&
               (StartsWith(line, L"Board"sv) || StartsWith(line, L"FIRST Board"sv))) {
      ReadBoard(line);
    }
  }

  m_result -= m_money.Total();
  reading.resultCents = m_result;
  reading.accepted = true;

  AllInHandInput allIn;
  allIn.netResult = m_result;
  allIn.heroMoney = m_money.Total();
  allIn.allInStreet = m_allInStreet;
  allIn.board = m_board;
  allIn.heroCards = m_heroCards;
  allIn.showdown = std::move(m_showdown);
  // Without an all-in street the evaluation does not run.
  if (m_allInStreet == 0) return reading;
  ParseHeader();
  while (!m_pendingSeats.empty()) ReadPendingSeat();
  allIn.stacks = std::move(m_stacks);
  allIn.totalPot = m_totalPot;
  allIn.mainPot = m_mainPot;
  allIn.sidePot = m_sidePot;
  allIn.pots = std::move(m_pots);
  allIn.rake = m_rake;
  allIn.hiLo = m_hiLo;
  allIn.bigBlind = m_bigBlind;
  allIn.source = m_source;
  allIn.handNumber = m_handNumber;
  allIn.nick = m_nick;
  reading.allIn = EvaluateAllInHand(allIn, m_engine);
  return reading;
}

}  // namespace

HandReading ReadPokerStarsHand(const std::wstring& source, const HandFilter& filter,
                               const HandLines& lines, int32_t room, int32_t fileBigBlind,
                               bool& headerSeen, const PokerLogic& engine) {
  if (room == kPartyPoker) return ReadPartyHand(filter, lines, fileBigBlind, headerSeen);
  return StarsHandReader(source, filter, room, fileBigBlind, engine).Read(lines, headerSeen);
}

}  // namespace lumora
