// The scanners of Tiger Gaming's, PartyPoker's and 888poker's own lines.

#include <array>

#include "history/line_cursor.h"
#include "history/line_scan.h"

namespace lumora {

using namespace std::string_view_literals;
using namespace scan;

namespace {

/// No match: a scanner leaves no capture of a try that failed.
bool Refuse(ScanCaptures& captures) {
  captures.Clear();
  return false;
}

/// The `count`-th blank from the end of `line`, or kNone: where a line's
/// ending of blank-free words and numbers begins.
size_t BlankFromEnd(std::wstring_view line, int count) {
  size_t at = line.size();
  for (int k = 0; k < count && at != kNone; ++k) at = at == 0 ? kNone : line.rfind(L' ', at - 1);
  return at;
}

/// Where " dd mm yyyy hh:mm:ss" ends `line`, its six
/// fields set as captures 5 to 10 in the order written; kNone when it does
/// not. Its blanks are the line's last four: a ".*" before it leaves it no
/// other place.
size_t Find888Date(std::wstring_view line, ScanCaptures& captures) {
  const size_t start = BlankFromEnd(line, 4);
  if (start == kNone) return kNone;
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
  const size_t date = dated ? Find888Date(line, captures) : kNone;
  if (dated && date == kNone) return false;
  size_t at = 0;
  const size_t sign = at;
  if (at < line.size() && IsMoneySign(line[at])) ++at;
  const size_t signEnd = at;
  if (at < line.size() && line[at] == L' ') ++at;
  // The small blind takes all it can: what may follow it ends no amount.
  const size_t small = at;
  const size_t smallEnd = SpacedAmountEnd(line, small);
  if (smallEnd == kNone) return Refuse(captures);
  at = smallEnd;
  const size_t signAfter = at;
  if (at < line.size() && IsMoneySign(line[at])) ++at;
  const size_t signAfterEnd = at;
  if (at >= line.size() || line[at] != L'/') return Refuse(captures);
  ++at;
  if (at < line.size() && IsMoneySign(line[at])) ++at;
  if (at < line.size() && line[at] == L' ') ++at;
  const size_t big = at;
  const size_t bigEnd = SpacedAmountEnd(line, big);
  if (bigEnd == kNone) return Refuse(captures);
  // " Blinds " starts with a blank, which the big blind may have taken: it
  // gives back as much as the rest needs, the least first.
  for (size_t end = bigEnd; end > big; --end) {
    for (size_t blank = end; blank <= end + 1 && blank <= line.size(); ++blank) {
      if (blank > end && line[end] != L' ') break;
      for (size_t word = blank; word <= blank + 1 && word <= line.size(); ++word) {
        if (word > blank && !IsMoneySign(line[blank])) break;
        if (!StartsWith(line.substr(word), L" Blinds "sv)) continue;
        if (dated && word + 8 > date) continue;  // ".*" may be empty, not shorter
        captures.Set(0, line);
        captures.Set(1, line.substr(sign, signEnd - sign));
        captures.Set(2, line.substr(small, smallEnd - small));
        captures.Set(3, line.substr(signAfter, signAfterEnd - signAfter));
        captures.Set(4, line.substr(big, end - big));
        return true;
      }
    }
  }
  return Refuse(captures);
}

/// Where PartyPoker's header ends in " - Tuesday, April 02, 18:55:37 EDT
/// 2024", with the date's captures 5 to 11 set; kNone when it does not. The
/// words and numbers hold no blank, so the ending starts at the line's
/// seventh blank from its end, or nowhere.
size_t FindPartyDate(std::wstring_view line, ScanCaptures& captures) {
  const size_t start = BlankFromEnd(line, 7);
  if (start == kNone) return kNone;
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
  if (date == kNone || firstEnd == kNone) return Refuse(captures);
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
    std::wstring_view second;  // the second amount, when the match takes one
    if (first < line.size() && line[first] == L'/') {
      const size_t from =
          first + 1 < line.size() && IsMoneySign(line[first + 1]) ? first + 2 : first + 1;
      const size_t end = SpacedAmountEnd(line, from);
      for (size_t secondEnd = end; end != kNone && secondEnd > from; --secondEnd)
        if ((game = gameFrom(secondEnd)) != kNone) {
          second = line.substr(from, secondEnd - from);
          break;
        }
    }
    if (game == kNone) game = gameFrom(first);
    if (game == kNone) continue;
    captures.Set(0, line);
    captures.Set(1, line.substr(0, 1));
    captures.Set(2, line.substr(1, first - 1));
    if (!second.empty()) captures.Set(3, second);
    captures.Set(4, line.substr(game, date - game));
    return true;
  }
  return Refuse(captures);
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
    if (!cursor.UnsignedAmount(&run) || run.size() < 2 || run.back() != L')') return false;
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
    if (!cursor.UnsignedAmount(&amount) || !cursor.Literal(L" in chips)"sv)) return false;
    captures.Set(0, line);
    captures.Set(1, line.substr(name, open - name));
    captures.Set(2, amount);
    captures.Set(3, line.substr(cursor.At()));
    return true;
  });
}

}  // namespace lumora
