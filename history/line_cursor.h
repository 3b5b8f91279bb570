#pragma once
// The pieces the line scanners are built of: the character classes as the
// patterns see them, a cursor that walks a line one pattern element at a
// time, and the greedy ".*" that tries a text's occurrences from the last.
// For the scanners' own files only.

#include <locale>
#include <string_view>

#include "base/text.h"

namespace lumora::scan {

using namespace std::string_view_literals;

inline constexpr size_t kNone = std::wstring_view::npos;

/// A character class as the regular expressions see it: the classes of the
/// program's locale, looked up only beyond ASCII.
inline bool InClass(wchar_t c, std::ctype_base::mask mask) {
  static const std::ctype<wchar_t>& ctype = std::use_facet<std::ctype<wchar_t>>(std::locale());
  return ctype.is(mask, c);
}

/// \d
inline bool IsDigit(wchar_t c) {
  return c < 0x80 ? c >= L'0' && c <= L'9' : InClass(c, std::ctype_base::digit);
}

/// \s
inline bool IsSpace(wchar_t c) {
  return c < 0x80 ? c == L' ' || (c >= L'\t' && c <= L'\r') : InClass(c, std::ctype_base::space);
}

/// \w
inline bool IsWordChar(wchar_t c) {
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
  /// (\d\S*): an amount that starts with its first digit, as Amount reads it.
  bool UnsignedAmount(std::wstring_view* amount) {
    return m_at < m_line.size() && IsDigit(m_line[m_at]) && Amount(amount);
  }
  /// An amount followed by `rest` to the end of the line.
  bool AmountThenEnd(std::wstring_view rest, std::wstring_view* amount) {
    return Amount(amount) && Literal(rest) && AtEnd();
  }

 private:
  std::wstring_view m_line;
  size_t m_at;
};

/// "Seat N: " at the start of a summary seat line: the seat, and where the
/// name begins (kNone when the line does not start so).
inline size_t SeatAndName(std::wstring_view line, std::wstring_view* seat) {
  Cursor cursor(line, 0);
  if (!cursor.Literal(L"Seat "sv) || !cursor.Digits(1, kNone, seat) || !cursor.Literal(L": "sv))
    return kNone;
  return cursor.At();
}

inline bool IsMoneySign(wchar_t c) {
  return c == L'$' || c == 0x20AC || c == 0x00A3;
}

/// The end of "{S}" from `at`: a digit, then digits, marks and blanks. kNone
/// when no digit stands at `at`.
inline size_t SpacedAmountEnd(std::wstring_view line, size_t at) {
  if (at >= line.size() || !IsDigit(line[at])) return kNone;
  size_t end = at + 1;
  while (end < line.size() &&
         (IsDigit(line[end]) || line[end] == L'.' || line[end] == L',' || line[end] == L'\'' ||
          line[end] == L' ' || line[end] == 0x00A0 || line[end] == 0x00C2))
    ++end;
  return end;
}

}  // namespace lumora::scan
