#pragma once
// Small text helpers shared by every layer: trimming and prefix tests on the
// trimmed hand-history lines, number parsing that behaves like the C runtime's
// _wtof/_wtoi (stop at the first character that is not part of the number),
// UTF-8 conversion, and printf-style formatting of the report lines.

#include <fmt/printf.h>
#include <fmt/xchar.h>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <string>
#include <string_view>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumora {

/// The text without leading and trailing white space (blanks, tabs, CR, LF,
/// vertical tab, form feed and the no-break space some clients write).
std::wstring_view TrimBlanks(std::wstring_view text);

/// TrimBlanks, answered at once for the usual line that begins with a
/// printable ASCII character and ends with one, or with one blank after it
/// (as many lines of PokerStars do: "Hero: folds ").
inline std::wstring_view TrimView(std::wstring_view text) {
  const auto plain = [](wchar_t c) { return c > L' ' && c < 0x7F; };
  if (!text.empty() && plain(text.front())) {
    // Which lines end with the blank follows the play, not a pattern the
    // processor can predict: the blank is counted rather than branched on.
    // A line whose first character is printable and last a blank has two.
    const size_t blank = text.back() == L' ' ? 1 : 0;
    if (plain(text[text.size() - 1 - blank])) return text.substr(0, text.size() - blank);
  }
  return TrimBlanks(text);
}

/// A prefix test that looks at the first character before the rest: the
/// readers test every line against many prefixes, and most fail at once.
/// The rest is compared in place too: a library call for a few characters
/// costs more than comparing them.
constexpr bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t k = 0; k < prefix.size(); ++k)
    if (text[k] != prefix[k]) return false;
  return true;
}
/// A suffix test compared in place, as StartsWith compares.
constexpr bool EndsWith(std::wstring_view text, std::wstring_view suffix) {
  return text.size() >= suffix.size() &&
         StartsWith(text.substr(text.size() - suffix.size()), suffix);
}

inline std::wstring Trim(std::wstring_view text) {
  return std::wstring(TrimView(text));
}

/// The first `c` of `s` from `at` up to `end`, or `end`. Most of a line is
/// passed over looking for a needle's first character: a vector compare
/// passes over several characters at once.
inline size_t FindCharBefore(const wchar_t* s, size_t at, size_t end, wchar_t c) {
#if defined(__SSE2__)
  constexpr size_t kLanes = 16 / sizeof(wchar_t);
  const __m128i wanted = sizeof(wchar_t) == 4 ? _mm_set1_epi32(static_cast<int>(c))
                                              : _mm_set1_epi16(static_cast<short>(c));
  const auto same = [&](size_t from) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + from));
    return sizeof(wchar_t) == 4 ? _mm_cmpeq_epi32(chunk, wanted) : _mm_cmpeq_epi16(chunk, wanted);
  };
  // Two vectors a turn: half the turns, and their branches, over a line.
  for (; at + 2 * kLanes <= end; at += 2 * kLanes) {
    const unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(same(at))) |
                          static_cast<unsigned>(_mm_movemask_epi8(same(at + kLanes))) << 16;
    if (bits != 0) return at + std::countr_zero(bits) / sizeof(wchar_t);
  }
  for (; at + kLanes <= end; at += kLanes) {
    if (const int bits = _mm_movemask_epi8(same(at)))
      return at + std::countr_zero(static_cast<unsigned>(bits)) / sizeof(wchar_t);
  }
#endif
  while (at < end && s[at] != c) ++at;
  return at;
}

/// The last `c` of `s` at or before `at` and at or after `least`, or npos;
/// FindCharBefore's walk the other way.
inline size_t FindCharBack(const wchar_t* s, size_t at, size_t least, wchar_t c) {
#if defined(__SSE2__)
  constexpr size_t kLanes = 16 / sizeof(wchar_t);
  const __m128i wanted = sizeof(wchar_t) == 4 ? _mm_set1_epi32(static_cast<int>(c))
                                              : _mm_set1_epi16(static_cast<short>(c));
  while (at >= least + kLanes - 1) {
    const size_t first = at - (kLanes - 1);
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + first));
    const __m128i same =
        sizeof(wchar_t) == 4 ? _mm_cmpeq_epi32(chunk, wanted) : _mm_cmpeq_epi16(chunk, wanted);
    if (const int bits = _mm_movemask_epi8(same))
      return first + (31 - std::countl_zero(static_cast<unsigned>(bits))) / sizeof(wchar_t);
    if (first == least) return std::wstring_view::npos;
    at = first - 1;
  }
#endif
  for (;; --at) {
    if (s[at] == c) return at;
    if (at == least) return std::wstring_view::npos;
  }
}

/// The position of `needle` in `text` at or after `from`, or npos: what
/// std::wstring_view::find gives, by a plain walk that suits the short lines
/// of hand histories better than a library call for every candidate.
constexpr size_t FindText(std::wstring_view text, std::wstring_view needle, size_t from = 0) {
  if (needle.size() > text.size()) return std::wstring_view::npos;
  if (needle.empty()) return from <= text.size() ? from : std::wstring_view::npos;
  const size_t last = text.size() - needle.size();
  // Many needles begin with a space (" collected "), the commonest character
  // of a line: the walk looks out for the needle's first other character.
  size_t anchor = 0;
  while (anchor + 1 < needle.size() && needle[anchor] == L' ') ++anchor;
  for (size_t at = from; at <= last; ++at) {
    if (!std::is_constant_evaluated()) {
      at = FindCharBefore(text.data(), at + anchor, last + anchor + 1, needle[anchor]) - anchor;
      if (at > last) break;
    } else if (text[at + anchor] != needle[anchor]) {
      continue;
    }
    size_t k = 0;
    while (k < needle.size() && text[at + k] == needle[k]) ++k;
    if (k == needle.size()) return at;
  }
  return std::wstring_view::npos;
}

/// The position of the last `needle` in `text` that starts at or before
/// `before`, or npos: what std::wstring_view::rfind gives, walked the same
/// way as FindText.
constexpr size_t RFindText(std::wstring_view text, std::wstring_view needle,
                           size_t before = std::wstring_view::npos) {
  if (needle.size() > text.size()) return std::wstring_view::npos;
  size_t at = std::min(before, text.size() - needle.size());
  if (needle.empty()) return at;
  size_t anchor = 0;
  while (anchor + 1 < needle.size() && needle[anchor] == L' ') ++anchor;
  for (;; --at) {
    if (!std::is_constant_evaluated()) {
      const size_t found = FindCharBack(text.data(), at + anchor, anchor, needle[anchor]);
      if (found == std::wstring_view::npos) return std::wstring_view::npos;
      at = found - anchor;
    }
    if (text[at + anchor] == needle[anchor]) {
      size_t k = 0;
      while (k < needle.size() && text[at + k] == needle[k]) ++k;
      if (k == needle.size()) return at;
    }
    if (at == 0) return std::wstring_view::npos;
  }
}

/// True when `needle` occurs in `text` at a position of 1 or more: the rooms'
/// rules for "contains after the start" never accept a hit at position 0.
bool ContainsAfterStart(std::wstring_view text, std::wstring_view needle);

/// Reads a decimal number at the start of `text` as _wtof does: leading white
/// space and a sign are accepted, reading stops at the first character that
/// cannot continue the number ("0,50" gives 0). No number gives 0.0.
double ParseAmount(std::wstring_view text);

/// ParseInt for any text but a few digits alone.
int ParseIntChecked(std::wstring_view text);

/// Reads a whole number at the start of `text` as _wtoi does; values beyond
/// the int range are clamped. No number gives 0.
inline int ParseInt(std::wstring_view text) {
  // A few digits alone, as the fields of a date are, need none of the checks.
  if (!text.empty() && text.size() <= 9) {
    int value = 0;
    size_t k = 0;
    for (; k < text.size() && text[k] >= L'0' && text[k] <= L'9'; ++k)
      value = value * 10 + (text[k] - L'0');
    if (k == text.size()) return value;
  }
  return ParseIntChecked(text);
}

/// UTF-8 to wide text; an invalid byte becomes U+FFFD, never an error.
std::wstring Utf8ToWide(std::string_view utf8);
/// Wide text to UTF-8; a lone surrogate becomes U+FFFD.
std::string WideToUtf8(std::wstring_view text);
/// WideToUtf8 onto the end of `out`.
void AppendUtf8(std::string& out, std::wstring_view text);

/// A path as text for reports and logs, and back. File names are taken as
/// UTF-8 where the system stores bytes.
std::wstring PathToText(const std::filesystem::path& path);
std::filesystem::path PathFromText(std::wstring_view text);

/// printf-style formatting with type checking ("%s" takes a std::wstring,
/// "%.2lf" a double, "%d" any integer).
template <typename... Args>
std::wstring Format(std::wstring_view format, const Args&... args) {
  return fmt::sprintf(format, args...);
}

}  // namespace lumora
