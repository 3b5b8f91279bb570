// Tiger Gaming writes the PokerStars way without currency signs, and writes
// no line for a bet nobody could match (an all-in raise everybody folds to):
// what every player put in is kept, and at the end the part of the hero's
// money that no opponent matched is given back.

#include "history/tiger_gaming.h"

#include <optional>
#include <string>

#include "app/run_settings.h"
#include "history/all_in_input.h"
#include "history/amount.h"
#include "history/chip_ledger.h"
#include "history/hand_end.h"
#include "history/header_date.h"
#include "history/hero_name.h"
#include "history/history_hands.h"
#include "history/line_scan.h"
#include "history/pattern.h"
#include "history/stars_lines.h"
#include "history/stars_showdown.h"

namespace lumora {

using namespace std::string_view_literals;

namespace {

struct TigerPatterns {
  // A pot taken without a showdown ("Hero collected 0.65"); at a showdown the
  // summary line gives the amount.
  boost::wregex collect{WithAmounts(LR"re((.*) collected {A})re")};
  boost::wregex showdownWin{WithAmounts(LR"re(Seat \d+: (.*) showed .* and won \({A}\))re")};
};

const TigerPatterns& P() {
  static const TigerPatterns kPatterns;
  return kPatterns;
}

bool IsPlayWord(std::wstring_view rest) {
  for (std::wstring_view word :
       {L"checks"sv, L"calls "sv, L"bets "sv, L"raises "sv, L"shows "sv, L"mucks"sv})
    if (StartsWith(rest, word)) return true;
  return false;
}

class TigerHandReader {
 public:
  TigerHandReader(const std::wstring& source, const HandFilter& filter, int32_t room,
                  int64_t expectedBigBlind, const PokerLogic& engine)
      : m_source(source),
        m_filter(filter),
        m_nick(filter.nick),
        m_room(room),
        m_expectedBigBlind(expectedBigBlind),
        m_engine(engine),
        m_showdown(filter.nick, m_match) {}

  HandReading Read(const HandLines& lines, bool& headerSeen);

 private:
  enum class Verdict { kNext, kRefuse };

  Verdict ReadSeat(std::wstring_view line);
  Verdict ReadTable(std::wstring_view line);
  Verdict ReadMoney(std::wstring_view line);
  void ReadHeroLine(std::wstring_view line);
  std::optional<AllInHandReport> EvaluateAllIn(int64_t result);

  const std::wstring& m_source;
  const HandFilter& m_filter;
  const std::wstring& m_nick;
  const int32_t m_room;
  const int64_t m_expectedBigBlind;
  const PokerLogic& m_engine;

  HandAmounts m_amounts;
  ChipLedger m_ledger;
  std::map<std::wstring, double> m_stacks;  // currency units
  bool m_smallBlindPosted = false;
  bool m_seatPhase = false;
  bool m_dealtIn = false;
  int64_t m_won = 0;
  std::wstring m_handNumber;
  std::wstring_view m_heroCards;  // a view into the hand's lines, which outlive the reader
  StarsShowdown m_showdown;
  LineMatch m_match;
};

TigerHandReader::Verdict TigerHandReader::ReadSeat(std::wstring_view line) {
  ScanCaptures seat;
  if (!ScanTigerSeat(line, seat)) return Verdict::kNext;
  if (seat[1].empty()) return Verdict::kRefuse;
  m_stacks[std::wstring(seat[1])] = static_cast<double>(m_amounts.Cents(seat[2])) * 0.01;
  return Verdict::kNext;
}

TigerHandReader::Verdict TigerHandReader::ReadTable(std::wstring_view line) {
  ScanCaptures table;
  if (!ScanTigerTable(line, table)) return Verdict::kNext;
  const int seats = ParseInt(table[1]);
  if (seats < m_filter.minPl || seats > m_filter.maxPl) return Verdict::kRefuse;
  m_seatPhase = true;
  return Verdict::kNext;
}

/// A money line of anybody's: blinds, antes, posts, calls, bets, raises and
/// uncalled bets returned.
TigerHandReader::Verdict TigerHandReader::ReadMoney(std::wstring_view line) {
  const std::optional<MoneyLine> move = ReadMoneyLine(line, m_amounts, m_match);
  if (!move) return Verdict::kNext;
  ApplyMoneyLine(*move, m_ledger[move->name], m_smallBlindPosted, m_expectedBigBlind);
  if (IsHeroName(move->name, m_nick)) m_dealtIn = true;
  if (move->kind == MoneyLine::Kind::kSmallBlind) m_smallBlindPosted = true;
  // A big blind of another limit refuses the hand, unless it is short
  // because the player has no more chips.
  if (move->kind == MoneyLine::Kind::kBigBlind && move->cents != m_expectedBigBlind && !move->allIn)
    return Verdict::kRefuse;
  return Verdict::kNext;
}

void TigerHandReader::ReadHeroLine(std::wstring_view line) {
  const std::wstring_view rest = line.substr(m_nick.size());
  if (StartsWith(rest, L": "sv) && IsPlayWord(rest.substr(2))) m_dealtIn = true;
  if (line.find(L" collected "sv) != std::wstring_view::npos &&
      MatchLine(line, P().collect, m_match) && IsHeroName(CaptureView(m_match, 1), m_nick)) {
    m_won += m_amounts.Capture(m_match, 2);
    m_dealtIn = true;
  }
}

HandReading TigerHandReader::Read(const HandLines& lines, bool& headerSeen) {
  HandReading reading;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::wstring_view line = TrimView(lines[i]);
    if (!headerSeen) {
      if (StartsWith(line, L"Tiger Gaming Game #"sv)) {
        if (i + 1 == lines.size() || m_room != kTigerGaming) return reading;
        headerSeen = true;
        m_handNumber = HandIdOf(line);
      }
      continue;
    }
    if (m_room != kTigerGaming) continue;
    if (m_seatPhase && StartsWith(line, L"Seat "sv) && ReadSeat(line) == Verdict::kRefuse)
      return reading;

    if (StartsWith(line, L"***"sv)) {
      // Each street begins at its marker; the hole cards' opens none.
      if (line.size() > 5 && line[4] != L'H') {
        m_showdown.Marker(line, i);
        m_ledger.NextStreet();
      }
    } else if (StartsWith(line, L"Table "sv)) {
      if (ReadTable(line) == Verdict::kRefuse) return reading.LeaveOut(HandLeftOut::kTableSize);
    } else if (IsHeroSaying(line, m_nick, L": folds"sv)) {
      m_dealtIn = true;
      if (!HasLineFromEnd(lines, L"*** SUMMARY ***"sv))
        return reading.LeaveOut(HandLeftOut::kCutOff, CutOffNote());
      const int64_t putIn = m_ledger[m_nick].Total();
      reading.accepted = !m_amounts.Failed();
      reading.resultCents = static_cast<double>(-putIn);
      if (!reading.accepted)
        reading.LeaveOut(HandLeftOut::kBadAmount, BadAmountNote(m_amounts.FirstBad()));
      return reading;
    } else if (const size_t dealt = DealtToHeroLength(line, m_nick)) {
      const std::wstring_view rest = line.substr(dealt);
      const size_t close = rest.find(L']');
      if (close == std::wstring_view::npos || close == 0) return reading;
      m_heroCards = rest.substr(0, close);
      m_dealtIn = true;
    } else if (m_showdown.SummarySeen()) {
      if (StartsWith(line, L"Total pot"sv)) {
        m_showdown.Pots(line, m_amounts);
      } else if (StartsWith(line, L"Board"sv) || StartsWith(line, L"FIRST Board"sv)) {
        m_showdown.Board(line);
      } else if (StartsWith(line, L"Seat "sv)) {
        m_showdown.SeatLine(line);
        if (line.find(L" and won ("sv) != std::wstring_view::npos &&
            MatchLine(line, P().showdownWin, m_match) &&
            IsHeroName(CaptureView(m_match, 1), m_nick))
          m_won += m_amounts.Capture(m_match, 2);
      }
    } else {
      if (MayBeHeroLine(line, m_nick)) ReadHeroLine(line);
      if (m_seatPhase && ContainsAfterStart(line, L": post"sv)) m_seatPhase = false;
      if (ReadMoney(line) == Verdict::kRefuse) return reading.LeaveOut(HandLeftOut::kOtherLimit);
    }
  }
  if (LeftOutAtTheEnd(reading, lines, m_nick, m_dealtIn, m_showdown.SummarySeen(), m_amounts))
    return reading;
  // What nobody matched came back to him, without a line.
  const int64_t result = m_won - m_ledger[m_nick].Total() + m_ledger.Unmatched(m_nick);
  reading.accepted = true;
  reading.resultCents = static_cast<double>(result);
  if (m_showdown.AllInStreet() != 0) reading.allIn = EvaluateAllIn(result);
  return reading;
}

std::optional<AllInHandReport> TigerHandReader::EvaluateAllIn(int64_t result) {
  AllInHandInput allIn;
  m_showdown.Fill(allIn);
  allIn.netResult = static_cast<double>(result);
  allIn.heroCards = std::wstring(m_heroCards);
  allIn.putIn = m_ledger.Totals();
  allIn.stacks = std::move(m_stacks);
  return EvaluateAllInOf(allIn, {m_source, m_handNumber, m_nick, m_expectedBigBlind, false},
                         m_engine);
}

}  // namespace

HandHeader ReadTigerHeader(std::wstring_view line, LocalTimeMemo* memo) {
  HandHeader header;
  ScanCaptures match;
  if (!ScanTigerHeader(line, match)) return header;
  const std::optional<int64_t> bigBlind = ReadAmountCents(match[2]);
  if (!bigBlind) return header;
  header.matched = true;
  header.bigBlindCents = *bigBlind;
  const auto time = HeaderLocalTime(FieldsFromCaptures(match, 3), memo);
  header.badDate = !time;
  header.startTime = time.value_or(0);
  return header;
}

HandReading ReadTigerHand(const std::wstring& source, const HandFilter& filter,
                          const HandLines& lines, int32_t room, int64_t expectedBigBlind,
                          bool& headerSeen, const PokerLogic& engine) {
  return TigerHandReader(source, filter, room, expectedBigBlind, engine).Read(lines, headerSeen);
}

}  // namespace lumora
