#include "history/line_scan.h"

#include <algorithm>
#include <array>

#include "history/amount.h"
#include "history/line_cursor.h"

// The scanners of PokerStars' lines, and of the table line Tiger Gaming
// writes in the same words.

namespace lumora {

using namespace std::string_view_literals;
using namespace scan;

namespace {

/// (\d{4})/(\d{1,2})/(\d{1,2}) (\d+):(\d+):(\d+) (\w+) into captures
/// `first` .. `first` + 6. The end, or kNone.
size_t ScanDateTime(std::wstring_view line, size_t at, int first, ScanCaptures& captures) {
  Cursor cursor(line, at);
  std::array<std::wstring_view, 7> field;
  if (!cursor.Digits(4, 4, &field[0]) || !cursor.Char(L'/') || !cursor.Digits(1, 2, &field[1]) ||
      !cursor.Char(L'/') || !cursor.Digits(1, 2, &field[2]) || !cursor.Char(L' ') ||
      !cursor.Digits(1, kNone, &field[3]) || !cursor.Char(L':') ||
      !cursor.Digits(1, kNone, &field[4]) || !cursor.Char(L':') ||
      !cursor.Digits(1, kNone, &field[5]) || !cursor.Char(L' ') || !cursor.Word(&field[6]))
    return kNone;
  for (int i = 0; i < 7; ++i) captures.Set(first + i, field[i]);
  return cursor.At();
}

/// The header's dates from `at` to the end: the table's, then maybe the
/// bracketed Eastern one.
bool ScanHeaderDates(std::wstring_view line, size_t at, ScanCaptures& captures) {
  size_t end = ScanDateTime(line, at, 5, captures);
  if (end == kNone) return false;
  if (end == line.size()) {
    for (int i = 12; i <= 18; ++i) captures.Unset(i);
    return true;
  }
  if (line.substr(end, 2) != L" ["sv) return false;
  end = ScanDateTime(line, end + 2, 12, captures);
  return end != kNone && end + 1 == line.size() && line[end] == L']';
}

/// The header's " (" before its stakes: the last one followed by a digit,
/// after at most one other character (a sign), with a "/" between that digit
/// and the dates at `close`. kNone when there is none.
size_t FindStakes(std::wstring_view line, size_t close) {
  const size_t slash = close == 0 ? kNone : line.rfind(L'/', close - 1);
  if (slash == kNone) return kNone;
  // The "/" must follow the stakes' digit: no " (" after it can be theirs.
  size_t found = kNone;
  FromLastOccurrence(
      line, L" ("sv, 0,
      [&](size_t open) {
        size_t digit = open + 2;
        if (digit < line.size() && !IsDigit(line[digit])) ++digit;
        if (digit >= line.size() || !IsDigit(line[digit]) || slash <= digit) return false;
        found = open;
        return true;
      },
      slash);
  return found;
}

/// "Zoom "?, "Hand #" or "Game #", the number, ":" and blanks from `at`,
/// with the game running to the stakes' " (" at `open`.
bool ScanHeaderMarker(std::wstring_view line, size_t at, size_t open, ScanCaptures& captures) {
  Cursor cursor(line, at);
  const bool zoom = cursor.Literal(L"Zoom "sv);
  if (!cursor.Literal(L"Hand #"sv) && !cursor.Literal(L"Game #"sv)) return false;
  if (!cursor.Digits(1, kNone) || !cursor.Char(L':')) return false;
  const size_t blanks = cursor.At();
  if (open < blanks + 1 || !IsSpace(line[blanks])) return false;
  size_t game = blanks;
  while (game < line.size() && IsSpace(line[game])) ++game;
  // \s+(.*): the blanks give their last one up to the " (" when the game
  // is empty.
  const size_t from = std::min(game, open);
  if (zoom) captures.Set(1, line.substr(at, 5));
  captures.Set(2, line.substr(from, open - from));
  return true;
}

/// The cards and the rest of a shown hand's line whose cards open at `cards`:
/// the cards run to the line's last "]" at `close`, as the greedy "(.*)\]"
/// takes them.
bool SetCardsAndRest(std::wstring_view line, size_t cards, size_t close, int first,
                     ScanCaptures& captures) {
  if (close == kNone || close < cards) return false;
  captures.Set(first, line.substr(cards, close - cards));
  captures.Set(first + 1, line.substr(close + 1));
  return true;
}

/// "Table '.*' (\d+)" and `afterSeats`, then "\d+ is the button": the
/// table lines of PokerStars and Tiger Gaming.
bool ScanTable(std::wstring_view line, std::wstring_view afterSeats, ScanCaptures& captures) {
  captures.Clear();
  constexpr std::wstring_view kOpen = L"Table '";
  const size_t close = RFindText(line, L"' "sv);
  if (!StartsWith(line, kOpen) || close == kNone || close < kOpen.size()) return false;
  Cursor cursor(line, close + 2);
  std::wstring_view seats;
  if (!cursor.Digits(1, kNone, &seats) || !cursor.Literal(afterSeats) || !cursor.Digits(1, kNone) ||
      !cursor.Literal(L" is the button"sv) || !cursor.AtEnd())
    return false;
  captures.Set(0, line);
  captures.Set(1, seats);
  return true;
}

}  // namespace

bool ScanStarsHeader(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  // Nothing in the dates, which run to the end of the line, is a ")": they
  // can only follow the last ") - ". The stakes' " (" and the room's marker
  // are then sought backwards from there, as the pattern's greedy ".*" would
  // take them; none of it is looked at twice.
  const size_t close = RFindText(line, L") - "sv);
  size_t open = kNone;
  if (close != kNone && ScanHeaderDates(line, close + 4, captures)) open = FindStakes(line, close);
  // The marker's hand number and blanks stand before the stakes' " (".
  if (open == kNone ||
      !FromLastOccurrence(
          line, L"PokerStars "sv, 0,
          [&](size_t at) { return ScanHeaderMarker(line, at + 11, open, captures); }, open)) {
    captures.Clear();
    return false;
  }
  size_t digit = open + 2;
  if (!IsDigit(line[digit])) ++digit;
  const size_t slash = line.find(L'/', digit + 1);  // .*? takes the first
  captures.Set(0, line);
  captures.Set(3, line.substr(open + 2, digit - open - 2));
  captures.Set(4, line.substr(slash + 1, close - slash - 1));
  return true;
}

namespace {

bool IsAsciiDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

/// Whether `a` and `b` are as long and differ only where both hold a digit.
bool SameButDigits(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  size_t k = 0;
#if defined(__SSE2__)
  if constexpr (sizeof(wchar_t) == 4) {
    // Four characters at a time. A character c is a digit when c - '0' is
    // below 10 unsigned: with the sign bit flipped, a signed comparison.
    const __m128i zero = _mm_set1_epi32(L'0');
    const __m128i flip = _mm_set1_epi32(INT32_MIN);
    const __m128i ten = _mm_set1_epi32(INT32_MIN + 10);
    const auto digits = [&](__m128i c) {
      return _mm_cmplt_epi32(_mm_xor_si128(_mm_sub_epi32(c, zero), flip), ten);
    };
    // Where two headers differ follows the play (the hand number, the
    // times): the whole line is weighed without a branch on it.
    __m128i fits = _mm_set1_epi32(-1);
    for (; k + 4 <= a.size(); k += 4) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a.data() + k));
      const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.data() + k));
      fits = _mm_and_si128(
          fits, _mm_or_si128(_mm_cmpeq_epi32(x, y), _mm_and_si128(digits(x), digits(y))));
    }
    if (_mm_movemask_epi8(fits) != 0xFFFF) return false;
  }
#endif
  for (; k < a.size(); ++k)
    if (a[k] != b[k] && !(IsAsciiDigit(a[k]) && IsAsciiDigit(b[k]))) return false;
  return true;
}

}  // namespace

bool StarsHeaderScanner::Scan(std::wstring_view line, ScanCaptures& captures) {
  // Before the first header, the empty line kept answers as a scan of one
  // would: no match.
  if (!SameButDigits(line, m_line)) {
    m_line.assign(line);
    m_matched = ScanStarsHeader(m_line, m_captures);
  }
  captures.CopyMoved(m_captures, m_line.data(), line.data());
  return m_matched;
}

// In the three lines below, what follows the name cannot hold the text that
// ends the name, so only its last occurrence can: the greedy ".*" of the
// pattern would try the others in vain.

bool ScanStarsTable(std::wstring_view line, ScanCaptures& captures) {
  return ScanTable(line, L"-max Seat #"sv, captures);
}

bool ScanTigerTable(std::wstring_view line, ScanCaptures& captures) {
  return ScanTable(line, L"-Max, Seat #"sv, captures);
}

bool ScanStarsSeat(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  std::wstring_view seat;
  const size_t name = SeatAndName(line, &seat);
  if (name == kNone) return false;
  const size_t open = RFindText(line, L" ("sv);
  if (open == kNone || open < name) return false;
  Cursor stack(line, open + 2);
  std::wstring_view amount;
  if (!stack.AmountThenEnd(L" in chips)"sv, &amount)) return false;
  captures.Set(0, line);
  captures.Set(1, seat);
  captures.Set(2, line.substr(name, open - name));
  captures.Set(3, amount);
  return true;
}

bool ScanBlind(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  const size_t posts = RFindText(line, L": posts "sv);
  if (posts == kNone) return false;
  for (std::wstring_view kind : {L"small"sv, L"big"sv, L"small & big"sv}) {
    Cursor cursor(line, posts + 8);
    std::wstring_view amount;
    if (!cursor.Literal(kind) || !cursor.Literal(L" blind"sv)) continue;
    cursor.Char(L's');
    if (!cursor.Char(L' ') || !cursor.AmountThenEnd({}, &amount)) continue;
    captures.Set(0, line);
    captures.Set(1, line.substr(0, posts));
    captures.Set(2, line.substr(posts + 8, kind.size()));
    captures.Set(3, amount);
    return true;
  }
  return false;
}

bool ScanCallOrBet(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  return FromLastOccurrence(line, L": "sv, 0, [&](size_t colon) {
    Cursor cursor(line, colon + 2);
    std::wstring_view amount;
    if (!(cursor.Literal(L"calls "sv) || cursor.Literal(L"bets "sv)) ||
        !cursor.AmountThenEnd({}, &amount))
      return false;
    captures.Set(0, line);
    captures.Set(1, line.substr(0, colon));
    captures.Set(2, amount);
    return true;
  });
}

bool ScanRaise(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  return FromLastOccurrence(line, L": raises "sv, 0, [&](size_t colon) {
    Cursor cursor(line, colon + 9);
    std::wstring_view raise;
    std::wstring_view total;
    if (!cursor.Amount(&raise) || !cursor.Literal(L" to "sv) || !cursor.AmountThenEnd({}, &total))
      return false;
    captures.Set(0, line);
    captures.Set(1, line.substr(0, colon));
    captures.Set(2, raise);
    captures.Set(3, total);
    return true;
  });
}

bool ScanStarsCollect(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  return FromLastOccurrence(line, L" collected "sv, 0, [&](size_t at) {
    Cursor cursor(line, at + 11);
    std::wstring_view amount;
    if (!cursor.Amount(&amount) || !cursor.Literal(L" from "sv)) return false;
    const std::wstring_view pot = line.substr(cursor.At());
    const bool named = pot == L"pot"sv || pot == L"side pot"sv || pot == L"main pot"sv;
    if (!named && !(cursor.Literal(L"side pot-"sv) && cursor.Digits(1, kNone) && cursor.AtEnd()))
      return false;
    captures.Set(0, line);
    captures.Set(1, line.substr(0, at));
    captures.Set(2, amount);
    return true;
  });
}

bool ScanStarsPot(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  Cursor cursor(line, 0);
  std::wstring_view pot;
  std::wstring_view rake;
  if (!cursor.Literal(L"Total pot "sv) || !cursor.Amount(&pot) || !cursor.Literal(L" | Rake "sv) ||
      !cursor.AmountThenEnd({}, &rake))
    return false;
  captures.Set(0, line);
  captures.Set(1, pot);
  captures.Set(2, rake);
  return true;
}

bool ScanUncalled(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  Cursor cursor(line, 0);
  std::wstring_view run;
  // The amount's \S* runs to the blank before "returned": the ")" is its
  // last character.
  if (!cursor.Literal(L"Uncalled bet ("sv) || !cursor.Amount(&run) || run.size() < 2 ||
      run.back() != L')' || !cursor.Literal(L" returned to "sv))
    return false;
  captures.Set(0, line);
  captures.Set(1, run.substr(0, run.size() - 1));
  captures.Set(2, line.substr(cursor.At()));
  return true;
}

bool ScanShownWithPosition(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  std::wstring_view seat;
  const size_t name = SeatAndName(line, &seat);
  const size_t close = line.rfind(L']');
  if (name == kNone || close == kNone) return false;
  const bool found = FromLastOccurrence(line, L" ("sv, name, [&](size_t open) {
    Cursor cursor(line, open + 2);
    const size_t position = cursor.At();
    if (!cursor.Literal(L"button"sv) && !cursor.Literal(L"small blind"sv) &&
        !cursor.Literal(L"big blind"sv))
      return false;
    const size_t positionEnd = cursor.At();
    if (!cursor.Literal(L") "sv)) return false;
    const size_t verb = cursor.At();
    if ((!cursor.Literal(L"showed"sv) && !cursor.Literal(L"mucked"sv)) || !cursor.Literal(L" ["sv))
      return false;
    if (!SetCardsAndRest(line, cursor.At(), close, 5, captures)) return false;
    captures.Set(2, line.substr(name, open - name));
    captures.Set(3, line.substr(position, positionEnd - position));
    captures.Set(4, line.substr(verb, 6));
    return true;
  });
  if (!found) {
    captures.Clear();
    return false;
  }
  captures.Set(0, line);
  captures.Set(1, seat);
  return true;
}

bool ScanShown(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  std::wstring_view seat;
  const size_t name = SeatAndName(line, &seat);
  if (name == kNone) return false;
  // The greedy name ends at the last " showed [" or " mucked [" that the
  // cards' "]" still follows.
  const size_t close = line.rfind(L']');
  if (close == kNone || close < name + 9) return false;
  size_t at = kNone;
  for (std::wstring_view verb : {L" showed ["sv, L" mucked ["sv}) {
    const size_t last = RFindText(line, verb, close - 9);
    if (last != kNone && last >= name && (at == kNone || last > at)) at = last;
  }
  if (at == kNone) return false;
  captures.Set(0, line);
  captures.Set(1, seat);
  captures.Set(2, line.substr(name, at - name));
  captures.Set(3, line.substr(at + 1, 6));
  return SetCardsAndRest(line, at + 9, close, 4, captures);
}

std::vector<LineScanner> LineScanners() {
  const auto plain = [](std::wstring_view pattern) { return std::wstring(pattern); };
  return {
      {"header", plain(kStarsHeaderPattern), ScanStarsHeader},
      {"table", plain(kStarsTablePattern), ScanStarsTable},
      {"seat", WithAmounts(kStarsSeatPattern), ScanStarsSeat},
      {"blind", WithAmounts(kBlindPattern), ScanBlind},
      {"call or bet", WithAmounts(kCallOrBetPattern), ScanCallOrBet},
      {"raise", WithAmounts(kRaisePattern), ScanRaise},
      {"collect", WithAmounts(kStarsCollectPattern), ScanStarsCollect},
      {"pot", WithAmounts(kStarsPotPattern), ScanStarsPot},
      {"uncalled", WithAmounts(kUncalledPattern), ScanUncalled},
      {"shown with position", plain(kShownWithPositionPattern), ScanShownWithPosition},
      {"shown", plain(kShownPattern), ScanShown},
      {"Tiger header", WithAmounts(kTigerHeaderPattern), ScanTigerHeader},
      {"Tiger table", plain(kTigerTablePattern), ScanTigerTable},
      {"Tiger seat", WithAmounts(kTigerSeatPattern), ScanTigerSeat},
      {"Party header", WithAmounts(kPartyHeaderPattern), ScanPartyHeader},
      {"bracket seat", plain(kBracketSeatPattern), ScanBracketSeat},
      {"bracket blind", plain(kBracketBlindPattern), ScanBracketBlind},
      {"bracket action", plain(kBracketActionPattern), ScanBracketAction},
      {"888 stakes", WithAmounts(k888StakesPattern), Scan888Stakes},
      {"888 header", WithAmounts(std::wstring(k888StakesPattern) + std::wstring(k888DatePattern)),
       Scan888Header},
  };
}

}  // namespace lumora
