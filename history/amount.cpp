#include "history/amount.h"

#include <array>

namespace lumora {
namespace {

constexpr int kMaxGroups = 8;

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

bool IsBlankSeparator(wchar_t c) {
  return c == L' ' || c == 0x00A0 || c == 0x202F;
}

bool IsMarkSeparator(wchar_t c) {
  return c == L'.' || c == L',' || c == L'\'' || c == 0x2019;
}

/// The separator that starts at `text[i]` and the number of characters it
/// takes, or 0 when none does. A no-break space decoded from UTF-8 twice
/// ("Â" before it) is one separator too: some files were saved that way.
size_t SeparatorLength(std::wstring_view text, size_t i) {
  if (IsMarkSeparator(text[i]) || IsBlankSeparator(text[i])) return 1;
  if (text[i] == 0x00C2 && i + 1 < text.size() && text[i + 1] == 0x00A0) return 2;
  return 0;
}

/// A number as the client wrote it: its digit groups and the separator
/// before each group after the first. Only the first `count` of each are
/// ever written or read: every amount of a hand comes through here, and
/// clearing the rest each time would cost more than reading the number.
struct Groups {
  struct Digits {
    const wchar_t* data;
    size_t size;
  };
  std::array<Digits, kMaxGroups> digits;
  std::array<wchar_t, kMaxGroups> separator;
  int count = 0;

  std::wstring_view DigitsOf(int g) const { return {digits[g].data, digits[g].size}; }
};

/// The usual amount, a sign or none, up to eleven digits and maybe a
/// decimal mark with one or two ("$0.10", "25", "$1250.5"), read in one walk;
/// nullopt for any other form, which the general reading takes.
std::optional<int64_t> PlainAmountCents(std::wstring_view text) {
  size_t i = !text.empty() && (text[0] == L'$' || text[0] == 0x20AC || text[0] == 0x00A3);
  const size_t first = i;
  int64_t whole = 0;
  for (; i < text.size() && IsDigit(text[i]) && i - first < 11; ++i)
    whole = whole * 10 + (text[i] - L'0');
  if (i == first) return std::nullopt;
  int64_t cents = whole * 100;
  if (i < text.size()) {
    const size_t fraction = text.size() - i - 1;  // characters after the mark
    if (text[i] != L'.' || fraction == 0 || fraction > 2 || !IsDigit(text[i + 1]) ||
        (fraction == 2 && !IsDigit(text[i + 2])))
      return std::nullopt;
    cents += (text[i + 1] - L'0') * 10 + (fraction == 2 ? text[i + 2] - L'0' : 0);
  }
  if (cents > kMaxAmountCents) return std::nullopt;
  return cents;
}

}  // namespace

std::wstring WithAmounts(std::wstring_view pattern) {
  std::wstring out;
  out.reserve(pattern.size() + 64);
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern.substr(i, 3) == L"{A}") {
      out += kAmountCapture;
      i += 2;
    } else if (pattern.substr(i, 3) == L"{S}") {
      out += kSpacedAmountCapture;
      i += 2;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::optional<int64_t> ReadAmountCents(std::wstring_view text) {
  if (const std::optional<int64_t> plain = PlainAmountCents(text)) return plain;
  size_t i = 0;
  while (i < text.size() && (IsBlankSeparator(text[i]) || text[i] == L'\t' || text[i] == L'$' ||
                             text[i] == 0x20AC || text[i] == 0x00A3))
    ++i;
  Groups groups;
  groups.separator[0] = 0;  // the first group has none; each later one is set before it
  while (i < text.size() && IsDigit(text[i])) {
    const size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    groups.digits[groups.count++] = {text.data() + start, i - start};
    if (i >= text.size()) break;
    const size_t length = SeparatorLength(text, i);
    // A separator belongs to the number only when a digit follows it.
    if (length == 0 || i + length >= text.size() || !IsDigit(text[i + length])) break;
    // Another group than any amount has: a garbled line, not a number.
    if (groups.count == kMaxGroups) return std::nullopt;
    groups.separator[groups.count] = text[i + length - 1];
    i += length;
  }
  if (groups.count == 0) return std::nullopt;

  // The decimal mark: a last "." or "," with one or two digits after it.
  int whole = groups.count;
  std::wstring_view fraction;
  const wchar_t last = groups.separator[groups.count - 1];
  if (groups.count > 1 && (last == L'.' || last == L',') &&
      groups.digits[groups.count - 1].size <= 2) {
    --whole;
    fraction = groups.DigitsOf(groups.count - 1);
  }
  // Thousands: a first group of one to three digits, not led by a zero, then
  // groups of three, all joined by one kind of separator that is not the
  // decimal mark.
  if (whole > 1) {
    const std::wstring_view first = groups.DigitsOf(0);
    if (first.size() > 3 || first[0] == L'0') return std::nullopt;
    for (int g = 1; g < whole; ++g) {
      if (groups.digits[g].size != 3 || groups.separator[g] != groups.separator[1])
        return std::nullopt;
    }
    if (!fraction.empty() && groups.separator[1] == last) return std::nullopt;
  }

  int64_t cents = 0;
  int digitCount = 0;
  for (int g = 0; g < whole; ++g) {
    for (wchar_t c : groups.DigitsOf(g)) {
      // More digits than any table's money has: a misread, not an amount.
      if (++digitCount > 11) return std::nullopt;
      cents = cents * 10 + (c - L'0');
    }
  }
  cents *= 100;
  if (!fraction.empty())
    cents += (fraction[0] - L'0') * 10 + (fraction.size() == 2 ? fraction[1] - L'0' : 0);
  if (cents > kMaxAmountCents) return std::nullopt;
  return cents;
}

int64_t HandAmounts::Cents(std::wstring_view text) {
  if (const std::optional<int64_t> cents = ReadAmountCents(text)) return *cents;
  if (!m_failed) {
    m_failed = true;
    m_firstBad = std::wstring(text);
  }
  return 0;
}

}  // namespace lumora
