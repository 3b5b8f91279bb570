#include "history/pokerstars_hand.h"

#include <algorithm>
#include <boost/container/small_vector.hpp>
#include <map>
#include <optional>

#include "app/run_settings.h"
#include "history/all_in_input.h"
#include "history/amount.h"
#include "history/game_codes.h"
#include "history/hand_end.h"
#include "history/hero_name.h"
#include "history/line_scan.h"
#include "history/pattern.h"
#include "history/pokerstars_header.h"
#include "history/stars_lines.h"
#include "history/stars_showdown.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

// Results are cents; pots, rake and stacks stay in currency units as the
// summary prints them.
struct Patterns {
  boost::wregex header{WithAmounts(
      LR"re(.*PokerStars (?:Zoom )?(?:Hand|Game) #(\d+):\s+(.*) \(\D?\d[^/]*/\D?{A}.*)re")};
  // Searched within the line; a fee, when there is one, is already off.
  boost::wregex cashOut{WithAmounts(LR"re((.*) cashed out the hand for [\$€£]?{A})re")};
};

const Patterns& P() {
  static const Patterns kPatterns;
  return kPatterns;
}

/// A list with room for a full table's worth of entries in the reader
/// itself: read once a hand, its few seat and blind lines would otherwise
/// cost allocations that add up over a million hands.
template <typename T>
using SeatList = boost::container::small_vector<T, 10>;

/// The words of the hero's own lines that show he was dealt in.
bool IsPlayLine(std::wstring_view rest) {
  for (std::wstring_view word : {L"checks"sv, L"calls "sv, L"bets "sv, L"raises "sv, L"folds"sv,
                                 L"shows "sv, L"mucks"sv, L"doesn't show"sv, L"posts "sv})
    if (StartsWith(rest, word)) return true;
  return false;
}

/// What a line posts, as ContainsAfterStart would find each phrase: one
/// walk over the occurrences of "posts " (a name may hold the word too)
/// answers all three.
struct PostWords {
  bool ante = false;      ///< "posts the ante"
  bool bigBlind = false;  ///< "posts big blind"
  bool small = false;     ///< "posts small", a small blind or small & big
};

PostWords FindPostWords(std::wstring_view line) {
  PostWords words;
  for (size_t at = FindText(line, L"posts "sv, 1); at != std::wstring_view::npos;
       at = FindText(line, L"posts "sv, at + 1)) {
    const std::wstring_view rest = line.substr(at + 6);
    words.ante = words.ante || StartsWith(rest, L"the ante"sv);
    words.bigBlind = words.bigBlind || StartsWith(rest, L"big blind"sv);
    words.small = words.small || StartsWith(rest, L"small"sv);
  }
  // A phrase that starts the line is its first occurrence, and that one
  // does not count.
  if (StartsWith(line, L"posts "sv)) {
    const std::wstring_view rest = line.substr(6);
    words.ante = words.ante && !StartsWith(rest, L"the ante"sv);
    words.bigBlind = words.bigBlind && !StartsWith(rest, L"big blind"sv);
    words.small = words.small && !StartsWith(rest, L"small"sv);
  }
  return words;
}

class StarsHandReader {
 public:
  StarsHandReader(const std::wstring& source, const HandFilter& filter, int32_t room,
                  int64_t fileBigBlind, const PokerLogic& engine)
      : m_source(source),
        m_filter(filter),
        m_room(room),
        m_nick(filter.nick),
        m_bigBlind(fileBigBlind),
        m_engine(engine),
        m_showdown(filter.nick, m_match) {}

  HandReading Read(const HandLines& lines, bool& headerSeen);

 private:
  enum class Verdict { kNext, kRefuse };

  Verdict ReadHeader(std::wstring_view line, bool& headerSeen);
  void ParseHeader();
  void ReadStreetMarker(std::wstring_view line, size_t index);
  Verdict ReadTable(std::wstring_view line) const;
  void ReadSeat(std::wstring_view line);
  void ReadAnte(std::wstring_view line);
  /// Why a blind line refuses the hand (players seated, another limit), or none.
  std::optional<HandLeftOut> ReadBlind(std::wstring_view line, bool bigBlind);
  bool SeatedCountFits();
  bool SmallBlindPostedBefore();
  void ReadPendingSeat();
  void ReadHeroAction(std::wstring_view line);
  void ReadUncalledBet(std::wstring_view line);
  HandReading& Finish(const HandLines& lines, HandReading& reading);
  std::optional<AllInHandReport> EvaluateAllIn(const HandLines& lines, int64_t result);

  const std::wstring& m_source;
  const HandFilter& m_filter;
  const int32_t m_room;
  const std::wstring& m_nick;
  int64_t m_bigBlind;  // cents: the file's, then the header's
  const PokerLogic& m_engine;

  std::wstring_view m_headerLine;  // read when first needed
  bool m_headerParsed = false;
  std::wstring m_handNumber;
  bool m_hiLo = false;
  bool m_capped = false;  // a capped table, where a bet over the cap comes back without a line
  PlayerMoney m_money;    // the hero's
  HandAmounts m_amounts;
  int64_t m_collected = 0;                         // cents
  bool m_dealtIn = false;                          // the hero had cards or acted
  bool m_cancelled = false;                        // "Hand cancelled"
  bool m_smallBlindPosted = false;                 // a small blind line was read before
  SeatList<std::wstring_view> m_otherSmallBlinds;  // not looked at yet
  /// Each seated player's stack in currency units, by name, from the seat
  /// lines read so far: a few seats, searched in turn.
  SeatList<std::pair<std::wstring_view, double>> m_stacks;
  /// Seat lines not matched yet: a seat's stack only matters to the all-in
  /// evaluation, and the players-seated check rarely needs every seat.
  SeatList<std::wstring_view> m_pendingSeats;
  std::wstring_view m_heroCards;  // a view into the hand's lines, which outlive the reader
  StarsShowdown m_showdown;
  mutable LineMatch m_match;  // reused: a fresh one would allocate for every line
};

StarsHandReader::Verdict StarsHandReader::ReadHeader(std::wstring_view line, bool& headerSeen) {
  // A header of another room's kind refuses the hand; lines before the
  // header are skipped.
  if (StartsWith(line, L"Game #"sv)) return Verdict::kRefuse;
  if (FindText(line, L"PokerStars Hand #"sv) == std::wstring_view::npos &&
      FindText(line, L"PokerStars Zoom Hand #"sv) == std::wstring_view::npos &&
      FindText(line, L"PokerStars Game #"sv) == std::wstring_view::npos)
    return Verdict::kNext;
  if (m_room != kPokerStars) return Verdict::kRefuse;
  headerSeen = true;
  m_headerLine = line;
  m_capped = FindText(line, L" Cap -"sv) != std::wstring_view::npos;
  return Verdict::kNext;
}

void StarsHandReader::ParseHeader() {
  // The hand number, game and big blind matter only to an all-in hand, a
  // report or a returning player's blinds: most hands never need them.
  if (m_headerParsed || m_headerLine.empty()) return;
  m_headerParsed = true;
  LineMatch& match = m_match;
  if (!MatchLine(m_headerLine, P().header, match)) return;
  m_bigBlind = m_amounts.Capture(match, 3);
  m_handNumber = Capture(match, 1);
  const std::wstring_view game = TrimView(CaptureView(match, 2));
  // Only the eight-or-better games split the pot between high and low.
  const bool hiLoGame =
      game == L"Omaha Hi/Lo Pot Limit"sv || game == L"5 Card Omaha Hi/Lo Pot Limit"sv;
  m_hiLo = hiLoGame && IsTakenGame(GetTypeGameHH(game), m_filter.games);
}

void StarsHandReader::ReadStreetMarker(std::wstring_view line, size_t index) {
  // The hole cards' marker opens no street.
  if (line.size() < 6 || line[4] == L'H') return;
  m_showdown.Marker(line, index);
  m_money.NextStreet();
}

StarsHandReader::Verdict StarsHandReader::ReadTable(std::wstring_view line) const {
  // The table line matters only to a run that picks table sizes.
  if (m_filter.numPl == kAllTableSizes) return Verdict::kNext;
  ScanCaptures match;
  if (!ScanStarsTable(line, match)) return Verdict::kNext;
  const int seats = ParseInt(match[1]);
  if (seats < m_filter.minPl || seats > m_filter.maxPl) return Verdict::kRefuse;
  return Verdict::kNext;
}

void StarsHandReader::ReadSeat(std::wstring_view line) {
  if (m_showdown.SummarySeen()) {
    m_showdown.SeatLine(line);
    return;
  }
  // A seat line of a player sitting out has more after its stack.
  if (EndsWith(line, L" in chips)"sv)) m_pendingSeats.push_back(line);
}

void StarsHandReader::ReadAnte(std::wstring_view line) {
  const std::optional<MoneyLine> move = ReadMoneyLine(line, m_amounts, m_match);
  if (!move || !IsHeroName(move->name, m_nick)) return;
  ApplyMoneyLine(*move, m_money, false, m_bigBlind);
  m_dealtIn = true;
}

void StarsHandReader::ReadPendingSeat() {
  const std::wstring_view line = m_pendingSeats.back();
  m_pendingSeats.pop_back();
  ScanCaptures match;
  if (!ScanStarsSeat(line, match)) return;
  const double stack = static_cast<double>(m_amounts.Cents(match[3])) * 0.01;
  const auto seat = std::find_if(m_stacks.begin(), m_stacks.end(),
                                 [&](const auto& seated) { return seated.first == match[2]; });
  if (seat != m_stacks.end())
    seat->second = stack;  // a name seated twice keeps the last line read
  else
    m_stacks.emplace_back(match[2], stack);
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

std::optional<HandLeftOut> StarsHandReader::ReadBlind(std::wstring_view line, bool bigBlind) {
  if (!SeatedCountFits()) return HandLeftOut::kPlayersSeated;
  // Another player's blind matters in two ways only: a big blind of another
  // limit refuses the hand, and the table's small blind makes a small blind
  // the hero posts later a dead one. The second is looked at when it matters.
  if (!MayBeHeroLine(line, m_nick) && !(bigBlind && m_filter.cashLimit != 0)) {
    if (!bigBlind) m_otherSmallBlinds.push_back(line);
    return std::nullopt;
  }
  const std::optional<MoneyLine> move = ReadMoneyLine(line, m_amounts, m_match);
  if (!move) return std::nullopt;
  const bool hero = IsHeroName(move->name, m_nick);
  if (move->kind == MoneyLine::Kind::kSmallAndBig) ParseHeader();
  if (hero) {
    const bool before = move->kind == MoneyLine::Kind::kSmallBlind && SmallBlindPostedBefore();
    ApplyMoneyLine(*move, m_money, before, m_bigBlind);
    m_dealtIn = true;
  }
  if (move->kind == MoneyLine::Kind::kSmallBlind) m_smallBlindPosted = true;
  // A big blind of another limit refuses the hand; one posted short because
  // the player has no more chips does not.
  if (move->kind == MoneyLine::Kind::kBigBlind && m_filter.cashLimit != 0 &&
      m_filter.cashLimit != move->cents && !move->allIn)
    return HandLeftOut::kOtherLimit;
  return std::nullopt;
}

/// Whether a small blind was posted before this line: the lines put aside
/// are looked at now.
bool StarsHandReader::SmallBlindPostedBefore() {
  for (const std::wstring_view line : m_otherSmallBlinds) {
    const std::optional<MoneyLine> move = ReadMoneyLine(line, m_amounts, m_match);
    if (move && move->kind == MoneyLine::Kind::kSmallBlind) m_smallBlindPosted = true;
  }
  m_otherSmallBlinds.clear();
  return m_smallBlindPosted;
}

void StarsHandReader::ReadHeroAction(std::wstring_view line) {
  const std::wstring_view rest = line.substr(m_nick.size());
  // "Hero: checks" is the hero's; "Heroine: checks" is not.
  if (StartsWith(rest, L": "sv) && IsPlayLine(rest.substr(2))) m_dealtIn = true;
  if (const std::optional<MoneyLine> move = ReadMoneyLine(line, m_amounts, m_match)) {
    if (IsHeroName(move->name, m_nick)) ApplyMoneyLine(*move, m_money, false, m_bigBlind);
    return;
  }
  ScanCaptures collect;
  if (ScanStarsCollect(line, collect)) {
    if (IsHeroName(collect[1], m_nick)) {
      m_collected += m_amounts.Cents(collect[2]);
      m_dealtIn = true;
    }
    return;
  }
  LineMatch& match = m_match;
  if (FindText(line, L"cashed out the hand for"sv) == std::wstring_view::npos) return;
  if (SearchLine(line, P().cashOut, match) && IsHeroName(CaptureView(match, 1), m_nick))
    m_collected += m_amounts.Capture(match, 2);
}

void StarsHandReader::ReadUncalledBet(std::wstring_view line) {
  const std::optional<MoneyLine> move = ReadMoneyLine(line, m_amounts, m_match);
  if (move && IsHeroName(move->name, m_nick)) ApplyMoneyLine(*move, m_money, false, m_bigBlind);
}

/// The checks every hand passes before it counts: the hero was dealt in, the
/// text reaches its summary, and every amount could be read.
HandReading& StarsHandReader::Finish(const HandLines& lines, HandReading& reading) {
  if (m_cancelled) return reading.LeaveOut(HandLeftOut::kNotDealtIn);
  if (LeftOutAtTheEnd(reading, lines, m_nick, m_dealtIn,
                      HasLineFromEnd(lines, L"*** SUMMARY ***"sv), m_amounts))
    return reading;
  reading.accepted = true;
  return reading;
}

std::optional<AllInHandReport> StarsHandReader::EvaluateAllIn(const HandLines& lines,
                                                              int64_t result) {
  ParseHeader();
  while (!m_pendingSeats.empty()) ReadPendingSeat();
  AllInHandInput allIn;
  allIn.netResult = static_cast<double>(result);
  m_showdown.Fill(allIn);
  allIn.heroCards = std::wstring(m_heroCards);
  allIn.putIn = ReadStarsLedger(lines, m_bigBlind, m_amounts).Totals();
  for (const auto& [name, stack] : m_stacks) allIn.stacks.emplace(name, stack);
  return EvaluateAllInOf(allIn, {m_source, m_handNumber, m_nick, m_bigBlind, m_hiLo}, m_engine);
}

HandReading StarsHandReader::Read(const HandLines& lines, bool& headerSeen) {
  HandReading reading;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::wstring_view line = lines[i];
    if (!headerSeen) {
      if (ReadHeader(line, headerSeen) == Verdict::kRefuse)
        return reading.LeaveOut(HandLeftOut::kOtherRoom);
      continue;
    }
    if (StartsWith(line, L"***"sv)) ReadStreetMarker(line, i);
    if (StartsWith(line, L"Table "sv)) {
      if (ReadTable(line) == Verdict::kRefuse) return reading.LeaveOut(HandLeftOut::kTableSize);
    } else if (StartsWith(line, L"Seat "sv)) {
      ReadSeat(line);
    } else if (const PostWords post = FindPostWords(line); post.ante) {
      ReadAnte(line);
    } else if (post.bigBlind || post.small) {
      if (const std::optional<HandLeftOut> refused = ReadBlind(line, post.bigBlind))
        return reading.LeaveOut(*refused);
    } else if (IsHeroSaying(line, m_nick, L": folds"sv)) {
      m_dealtIn = true;
      if (!Finish(lines, reading).accepted) return reading;
      const int64_t putIn = m_money.Total();
      reading.resultCents = putIn > 0 ? static_cast<double>(-putIn) : 0.0;
      return reading;
    } else if (const size_t dealt = DealtToHeroLength(line, m_nick)) {
      const std::wstring_view rest = line.substr(dealt);
      m_heroCards = rest.substr(0, rest.find(L']'));
      m_dealtIn = true;
    } else if (MayBeHeroLine(line, m_nick)) {
      ReadHeroAction(line);
    } else if (StartsWith(line, L"Uncalled bet ("sv) && EndsWith(line, m_nick)) {
      ReadUncalledBet(line);
    } else if (StartsWith(line, L"Total pot"sv) && ContainsAfterStart(line, L"Rake"sv)) {
      if (!m_showdown.Pots(line, m_amounts)) {
        ParseHeader();
        reading.paneNotes.push_back(Format(L"Hand #%s in %s", m_handNumber, m_source));
        reading.paneNotes.emplace_back(line);
      }
    } else if (line == L"Hand cancelled"sv) {
      m_cancelled = true;
    } else if (m_showdown.SummarySeen() &&
               (StartsWith(line, L"Board"sv) || StartsWith(line, L"FIRST Board"sv))) {
      m_showdown.Board(line);
    }
  }
  if (!Finish(lines, reading).accepted) return reading;

  int64_t result = m_collected - m_money.Total();
  // At a capped table a bet over the cap goes back without a line: what
  // nobody matched is the hero's again.
  if (m_capped) {
    ParseHeader();
    result += ReadStarsLedger(lines, m_bigBlind, m_amounts).Unmatched(m_nick);
  }
  reading.resultCents = static_cast<double>(result);
  // Without an all-in street the evaluation does not run.
  if (m_showdown.AllInStreet() != 0) reading.allIn = EvaluateAllIn(lines, result);
  return reading;
}

}  // namespace

HandReading ReadPokerStarsHand(const std::wstring& source, const HandFilter& filter,
                               const HandLines& lines, int32_t room, int64_t fileBigBlind,
                               bool& headerSeen, const PokerLogic& engine) {
  if (room == kPartyPoker)
    return ReadPartyHand(source, filter, lines, fileBigBlind, headerSeen, engine);
  return StarsHandReader(source, filter, room, fileBigBlind, engine).Read(lines, headerSeen);
}

}  // namespace lumora
