#include "history/line_scan.h"

#include <algorithm>
#include <locale>

#include "base/text.h"
#include "history/amount.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

constexpr size_t kNone = std::wstring_view::npos;

/// A character class as the regular expressions see it: the classes of the
/// program's locale, looked up only beyond ASCII.
bool InClass(wchar_t c, std::ctype_base::mask mask) {
  static const std::ctype<wchar_t>& ctype = std::use_facet<std::ctype<wchar_t>>(std::locale());
  return ctype.is(mask, c);
}

/// \d
bool IsDigit(wchar_t c) {
  return c < 0x80 ? c >= L'0' && c <= L'9' : InClass(c, std::ctype_base::digit);
}

/// \s
bool IsSpace(wchar_t c) {
  return c < 0x80 ? c == L' ' || (c >= L'\t' && c <= L'\r') : InClass(c, std::ctype_base::space);
}

/// \w
bool IsWordChar(wchar_t c) {
  if (c >= 0x80) return InClass(c, std::ctype_base::alnum);
  return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
         c == L'_';
}

/// The position of each occurrence of `text` in `line` at or after `from`
/// (and at or before `before`), the last first: a greedy ".*" before `text`
/// tries them in this order. `before` spares a walk over the end of a line
/// where no occurrence could match.
template <typename Try>
bool FromLastOccurrence(std::wstring_view line, std::wstring_view text, size_t from, Try tryAt,
                        size_t before = kNone) {
  for (size_t at = RFindText(line, text, before); at != kNone && at >= from;
       at = at == 0 ? kNone : RFindText(line, text, at - 1))
    if (tryAt(at)) return true;
  return false;
}

/// A walk along a line, one pattern element at a time.
class Cursor {
 public:
  Cursor(std::wstring_view line, size_t at) : m_line(line), m_at(at) {}

  size_t At() const { return m_at; }
  bool AtEnd() const { return m_at == m_line.size(); }

  /// `text` exactly.
  bool Literal(std::wstring_view text) {
    if (!StartsWith(m_line.substr(m_at), text)) return false;
    m_at += text.size();
    return true;
  }
  bool Char(wchar_t c) {
    if (m_at == m_line.size() || m_line[m_at] != c) return false;
    ++m_at;
    return true;
  }
  /// \d{min,max}, as many as there are. Exact wherever a non-digit follows
  /// in the pattern: giving a digit back could never let it match.
  bool Digits(size_t min, size_t max, std::wstring_view* taken = nullptr) {
    size_t end = m_at;
    while (end < m_line.size() && end - m_at < max && IsDigit(m_line[end])) ++end;
    if (end - m_at < min) return false;
    if (taken) *taken = m_line.substr(m_at, end - m_at);
    m_at = end;
    return true;
  }
  /// \w+
  bool Word(std::wstring_view* taken) {
    size_t end = m_at;
    while (end < m_line.size() && IsWordChar(m_line[end])) ++end;
    if (end == m_at) return false;
    *taken = m_line.substr(m_at, end - m_at);
    m_at = end;
    return true;
  }
  /// \D?(\d\S*): an amount with or without a sign ("$1,013.50"; "1 000"
  /// would end at its blank). Exact wherever a blank follows in the pattern:
  /// giving back any of \S* could not put one there.
  bool Amount(std::wstring_view* amount) {
    size_t i = m_at;
    if (i < m_line.size() && !IsDigit(m_line[i])) ++i;
    if (i == m_line.size() || !IsDigit(m_line[i])) return false;
    size_t end = i + 1;
    while (end < m_line.size() && !IsSpace(m_line[end])) ++end;
    *amount = m_line.substr(i, end - i);
    m_at = end;
    return true;
  }
  /// An amount followed by `rest` to the end of the line.
  bool AmountThenEnd(std::wstring_view rest, std::wstring_view* amount) {
    return Amount(amount) && Literal(rest) && AtEnd();
  }

 private:
  std::wstring_view m_line;
  size_t m_at;
};

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

/// "Seat N: " at the start of a summary seat line: the seat, and where the
/// name begins (kNone when the line does not start so).
size_t SeatAndName(std::wstring_view line, std::wstring_view* seat) {
  Cursor cursor(line, 0);
  if (!cursor.Literal(L"Seat "sv) || !cursor.Digits(1, kNone, seat) || !cursor.Literal(L": "sv))
    return kNone;
  return cursor.At();
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

bool IsMoneySign(wchar_t c) {
  return c == L'$' || c == 0x20AC || c == 0x00A3;
}

/// The end of "{S}" from `at`: a digit, then digits, marks and blanks. kNone
/// when no digit stands at `at`.
size_t SpacedAmountEnd(std::wstring_view line, size_t at) {
  if (at >= line.size() || !IsDigit(line[at])) return kNone;
  size_t end = at + 1;
  while (end < line.size() &&
         (IsDigit(line[end]) || line[end] == L'.' || line[end] == L',' || line[end] == L'\'' ||
          line[end] == L' ' || line[end] == 0x00A0 || line[end] == 0x00C2))
    ++end;
  return end;
}

/// Where " dd mm yyyy hh:mm:ss" ends `line` at or after `from`, its six
/// fields set as captures 5 to 10 in the order written; kNone when it does
/// not. Its blanks are the line's last four: a ".*" before it leaves it no
/// other place.
size_t Find888Date(std::wstring_view line, size_t from, ScanCaptures& captures) {
  size_t start = line.size();
  for (int blanks = 0; blanks < 4; ++blanks) {
    start = start == 0 ? kNone : line.rfind(L' ', start - 1);
    if (start == kNone || start < from) return kNone;
  }
  const auto ascii = [&](size_t& at, size_t least, size_t most, std::wstring_view* taken) {
    size_t end = at;
    while (end < line.size() && end - at < most && line[end] >= L'0' && line[end] <= L'9') ++end;
    if (end - at < least) return false;
    *taken = line.substr(at, end - at);
    at = end;
    return true;
  };
  const auto separator = [&](size_t& at, wchar_t c) { return at < line.size() && line[at++] == c; };
  std::array<std::wstring_view, 6> field;
  size_t at = start + 1;
  const bool fits =
      ascii(at, 1, 2, &field[0]) && separator(at, L' ') && ascii(at, 1, 2, &field[1]) &&
      separator(at, L' ') && ascii(at, 4, 4, &field[2]) && separator(at, L' ') &&
      ascii(at, 1, 2, &field[3]) && separator(at, L':') && ascii(at, 1, 2, &field[4]) &&
      separator(at, L':') && ascii(at, 1, 2, &field[5]) && at == line.size();
  if (!fits) return kNone;
  for (int i = 0; i < 6; ++i) captures.Set(5 + i, field[i]);
  return start;
}

/// k888StakesPattern, and with `dated` the date after it.
bool Scan888StakesLine(std::wstring_view line, bool dated, ScanCaptures& captures) {
  captures.Clear();
  size_t at = 0;
  const size_t sign = at;
  if (at < line.size() && IsMoneySign(line[at])) ++at;
  const size_t signEnd = at;
  if (at < line.size() && line[at] == L' ') ++at;
  // The small blind takes all it can: what may follow it ends no amount.
  const size_t small = at;
  const size_t smallEnd = SpacedAmountEnd(line, small);
  if (smallEnd == kNone) return false;
  at = smallEnd;
  const size_t signAfter = at;
  if (at < line.size() && IsMoneySign(line[at])) ++at;
  const size_t signAfterEnd = at;
  if (at >= line.size() || line[at] != L'/') return false;
  ++at;
  if (at < line.size() && IsMoneySign(line[at])) ++at;
  if (at < line.size() && line[at] == L' ') ++at;
  const size_t big = at;
  const size_t bigEnd = SpacedAmountEnd(line, big);
  if (bigEnd == kNone) return false;
  // " Blinds " starts with a blank, which the big blind may have taken: it
  // gives back as much as the rest needs, the least first.
  for (size_t end = bigEnd; end > big; --end) {
    for (size_t blank = end; blank <= end + 1 && blank <= line.size(); ++blank) {
      if (blank > end && line[end] != L' ') break;
      for (size_t word = blank; word <= blank + 1 && word <= line.size(); ++word) {
        if (word > blank && !IsMoneySign(line[blank])) break;
        if (!StartsWith(line.substr(word), L" Blinds "sv)) continue;
        if (dated && Find888Date(line, word + 8, captures) == kNone) continue;
        captures.Set(0, line);
        captures.Set(1, line.substr(sign, signEnd - sign));
        captures.Set(2, line.substr(small, smallEnd - small));
        captures.Set(3, line.substr(signAfter, signAfterEnd - signAfter));
        captures.Set(4, line.substr(big, end - big));
        return true;
      }
    }
  }
  captures.Clear();
  return false;
}

/// Where PartyPoker's header ends in " - Tuesday, April 02, 18:55:37 EDT
/// 2024", with the date's captures 5 to 11 set; kNone when it does not. The
/// words and numbers hold no blank, so the ending starts at the line's
/// seventh blank from its end, or nowhere.
size_t FindPartyDate(std::wstring_view line, ScanCaptures& captures) {
  size_t start = line.size();
  for (int blanks = 0; blanks < 7; ++blanks) {
    start = start == 0 ? kNone : line.rfind(L' ', start - 1);
    if (start == kNone) return kNone;
  }
  Cursor cursor(line, start);
  std::array<std::wstring_view, 7> field;
  std::wstring_view weekday;
  if (!cursor.Literal(L" - "sv) || !cursor.Word(&weekday) || !cursor.Literal(L", "sv) ||
      !cursor.Word(&field[0]) || !cursor.Char(L' ') || !cursor.Digits(1, 2, &field[1]) ||
      !cursor.Literal(L", "sv) || !cursor.Digits(2, 2, &field[2]) || !cursor.Char(L':') ||
      !cursor.Digits(2, 2, &field[3]) || !cursor.Char(L':') || !cursor.Digits(2, 2, &field[4]) ||
      !cursor.Char(L' ') || !cursor.Word(&field[5]) || !cursor.Char(L' ') ||
      !cursor.Digits(4, 4, &field[6]) || !cursor.AtEnd())
    return kNone;
  for (int i = 0; i < 7; ++i) captures.Set(5 + i, field[i]);
  return start;
}

}  // namespace

bool ScanPartyHeader(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  if (line.empty() || !IsMoneySign(line[0])) return false;
  const size_t date = FindPartyDate(line, captures);
  const size_t firstEnd = SpacedAmountEnd(line, 1);
  if (date == kNone || firstEnd == kNone) {
    captures.Clear();
    return false;
  }
  // What follows the amounts: maybe the currency's word, then a blank and a
  // game of at least one character up to the date. The game is the shortest
  // the pattern allows, which the date's one place fixes.
  const auto gameFrom = [&](size_t at) -> size_t {
    for (std::wstring_view word : {L" USD"sv, L" EUR"sv, L" GBP"sv})
      if (StartsWith(line.substr(at), word) && at + 4 < line.size() && line[at + 4] == L' ' &&
          at + 6 <= date)
        return at + 5;
    if (at < line.size() && line[at] == L' ' && at + 2 <= date) return at + 1;
    return kNone;
  };
  // The amounts take all they can and give back one character at a time,
  // the second before the first, as the pattern's greedy amounts do.
  for (size_t first = firstEnd; first > 1; --first) {
    size_t game = kNone;
    size_t second = kNone;
    size_t secondEnd = kNone;
    if (first < line.size() && line[first] == L'/') {
      second = first + 1 < line.size() && IsMoneySign(line[first + 1]) ? first + 2 : first + 1;
      const size_t end = SpacedAmountEnd(line, second);
      for (secondEnd = end; end != kNone && secondEnd > second; --secondEnd)
        if ((game = gameFrom(secondEnd)) != kNone) break;
    }
    if (game == kNone) game = gameFrom(first);
    if (game == kNone) continue;
    captures.Set(0, line);
    captures.Set(1, line.substr(0, 1));
    captures.Set(2, line.substr(1, first - 1));
    if (second != kNone && secondEnd != kNone && secondEnd > second)
      captures.Set(3, line.substr(second, secondEnd - second));
    captures.Set(4, line.substr(game, date - game));
    return true;
  }
  captures.Clear();
  return false;
}

bool ScanBracketSeat(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  const size_t name = SeatAndName(line, nullptr);
  if (name == kNone || !EndsWith(line, L" )"sv) || line.size() < name + 6) return false;
  // The greedy name ends at the last " ( " that leaves room for the " )".
  const size_t open = RFindText(line, L" ( "sv, line.size() - 5);
  if (open == kNone || open < name + 1) return false;
  captures.Set(0, line);
  captures.Set(1, line.substr(name, open - name));
  captures.Set(2, line.substr(open + 3, line.size() - 2 - (open + 3)));
  return true;
}

bool ScanBracketBlind(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  // The amount runs to the closing "]" that ends the line, or stands before
  // its full stop.
  const size_t close = EndsWith(line, L"]"sv)    ? line.size() - 1
                       : EndsWith(line, L"]."sv) ? line.size() - 2
                                                 : kNone;
  if (close == kNone) return false;
  return FromLastOccurrence(line, L" posts "sv, 1, [&](size_t posts) {
    Cursor cursor(line, posts + 7);
    const size_t kind = cursor.At();
    if (!cursor.Literal(L"small"sv) && !cursor.Literal(L"big"sv)) return false;
    const size_t kindEnd = cursor.At();
    if (!cursor.Literal(L" blind ["sv) || cursor.At() > close) return false;
    captures.Set(0, line);
    captures.Set(1, line.substr(0, posts));
    captures.Set(2, line.substr(kind, kindEnd - kind));
    captures.Set(3, line.substr(cursor.At(), close - cursor.At()));
    return true;
  });
}

bool ScanBracketAction(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  if (!EndsWith(line, L"]"sv)) return false;
  // The greedy name ends at the last of the verbs; the amount runs to the end.
  size_t at = kNone;
  size_t amount = kNone;
  for (std::wstring_view verb : {L" calls ["sv, L" bets ["sv, L" raises ["sv}) {
    const size_t found = RFindText(line, verb);
    if (found != kNone && found >= 1 && (at == kNone || found > at)) {
      at = found;
      amount = found + verb.size();
    }
  }
  if (at == kNone) return false;
  captures.Set(0, line);
  captures.Set(1, line.substr(0, at));
  captures.Set(2, line.substr(amount, line.size() - 1 - amount));
  return true;
}

bool Scan888Stakes(std::wstring_view line, ScanCaptures& captures) {
  return Scan888StakesLine(line, false, captures);
}

bool Scan888Header(std::wstring_view line, ScanCaptures& captures) {
  return Scan888StakesLine(line, true, captures);
}

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

bool ScanTigerHeader(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  Cursor marker(line, 0);
  if (!marker.Literal(L"Tiger Gaming Game #"sv) || !marker.Digits(1, kNone) ||
      !marker.Literal(L": "sv))
    return false;
  const size_t game = marker.At();
  return FromLastOccurrence(line, L" Limit ($"sv, game, [&](size_t at) {
    Cursor cursor(line, at + 9);
    // "\d[^/]*/": the stakes run from a digit to the first "/" after it.
    if (!cursor.Digits(1, 1)) return false;
    const size_t slash = line.find(L'/', cursor.At());
    if (slash == kNone) return false;
    cursor = Cursor(line, slash + 1);
    // "{A}\) - ": the big blind's \S* runs to the blank, giving back the ")".
    std::wstring_view run;
    if (!cursor.Digits(1, 1) || !Cursor(line, slash + 1).Amount(&run) || run.size() < 2 ||
        run.back() != L')')
      return false;
    cursor = Cursor(line, slash + 1 + run.size());
    std::array<std::wstring_view, 6> field;
    if (!cursor.Literal(L" - "sv) || !cursor.Digits(4, 4, &field[0]) || !cursor.Char(L'/') ||
        !cursor.Digits(2, 2, &field[1]) || !cursor.Char(L'/') || !cursor.Digits(2, 2, &field[2]) ||
        !cursor.Char(L' ') || !cursor.Digits(1, kNone, &field[3]) || !cursor.Char(L':') ||
        !cursor.Digits(1, kNone, &field[4]) || !cursor.Char(L':') ||
        !cursor.Digits(1, kNone, &field[5]) || !cursor.Char(L' '))
      return false;
    captures.Set(0, line);
    captures.Set(1, line.substr(game, at - game));
    captures.Set(2, run.substr(0, run.size() - 1));
    for (int i = 0; i < 6; ++i) captures.Set(3 + i, field[i]);
    captures.Set(9, line.substr(cursor.At()));
    return true;
  });
}

bool ScanTigerSeat(std::wstring_view line, ScanCaptures& captures) {
  captures.Clear();
  const size_t name = SeatAndName(line, nullptr);
  if (name == kNone) return false;
  return FromLastOccurrence(line, L" ("sv, name, [&](size_t open) {
    Cursor cursor(line, open + 2);
    std::wstring_view amount;
    // No sign: the stack's first character is a digit.
    if (open + 2 >= line.size() || !IsDigit(line[open + 2]) || !cursor.Amount(&amount) ||
        !cursor.Literal(L" in chips)"sv))
      return false;
    captures.Set(0, line);
    captures.Set(1, line.substr(name, open - name));
    captures.Set(2, amount);
    captures.Set(3, line.substr(cursor.At()));
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
