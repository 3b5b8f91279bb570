#include "base/text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cwctype>

namespace lumora {
namespace {

bool IsBlank(wchar_t c) {
  // Printable ASCII is never blank, and a space ends many lines ("Hero:
  // folds "): the library's classification is asked only of the rest.
  if (c > L' ' && c < 0x7F) return false;
  if (c == L' ') return true;
  return std::iswspace(static_cast<wint_t>(c)) || c == 0xA0 || c == 0xFEFF;
}

constexpr char32_t kReplacement = 0xFFFD;

void AppendCodePoint(std::wstring& out, char32_t cp) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(cp));
}

}  // namespace

std::wstring_view TrimBlanks(std::wstring_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool ContainsAfterStart(std::wstring_view text, std::wstring_view needle) {
  const size_t at = FindText(text, needle);
  return at != std::wstring_view::npos && at >= 1;
}

double ParseAmount(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && text[i] == L'+') {
    ++i;
    if (i < text.size() && text[i] == L'-') return 0.0;
  }
  // from_chars reads the longest valid prefix and needs only the ASCII run.
  char buffer[96];
  size_t n = 0;
  while (i < text.size() && n < sizeof buffer && text[i] > 0 && text[i] < 0x80)
    buffer[n++] = static_cast<char>(text[i++]);
  double value = 0.0;
  const auto parsed = std::from_chars(buffer, buffer + n, value, std::chars_format::general);
  if (parsed.ec == std::errc::invalid_argument) return 0.0;
  return value;
}

int ParseIntChecked(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::wstring Utf8ToWide(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  const size_t n = utf8.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char lead = s[i];
    if (lead < 0x80) {
      // Hand histories are mostly ASCII: copy the whole run in one go.
      size_t end = i + 1;
      while (end < n && s[end] < 0x80) ++end;
      const size_t at = out.size();
      out.resize(at + (end - i));
      std::copy(s + i, s + end, out.begin() + static_cast<std::ptrdiff_t>(at));
      i = end;
      continue;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
      extra = 1, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, cp = lead & 0x07, min = 0x10000;
    } else {
      AppendCodePoint(out, kReplacement);
      ++i;
      continue;
    }
    int k = 1;
    for (; k <= extra && i + k < n && (s[i + k] & 0xC0) == 0x80; ++k)
      cp = (cp << 6) | (s[i + k] & 0x3F);
    if (k <= extra || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      AppendCodePoint(out, kReplacement);
      i += k;  // skip the lead and the continuation bytes that did fit
      continue;
    }
    AppendCodePoint(out, cp);
    i += extra + 1;
  }
  return out;
}

void AppendUtf8(std::string& out, std::wstring_view text) {
  // The log and the reports are mostly ASCII: runs of it are copied eight
  // characters at a time, and only what follows the first other character
  // is encoded one by one.
  const size_t start = out.size();
  out.resize(start + text.size());
  char* const plain = out.data() + start;
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint32_t any = 0;
    for (size_t k = 0; k < 8; ++k) any |= static_cast<uint32_t>(text[i + k]);
    if (any >= 0x80) break;
    for (size_t k = 0; k < 8; ++k) plain[i + k] = static_cast<char>(text[i + k]);
  }
  out.resize(start + i);
  for (; i < text.size(); ++i) {
    char32_t cp = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
          text[i + 1] <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
      }
    }
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacement;
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
}

std::string WideToUtf8(std::wstring_view text) {
  std::string out;
  AppendUtf8(out, text);
  return out;
}

std::wstring PathToText(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return Utf8ToWide(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

std::filesystem::path PathFromText(std::wstring_view text) {
  const std::string utf8 = WideToUtf8(text);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace lumora
