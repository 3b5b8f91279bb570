#include "history/xml_bounds.h"

namespace lumora {
namespace {

/// Where the markup that opens at `at` ends (one past its last character),
/// or the end of `text` when it is left open.
size_t MarkupEnd(std::wstring_view text, size_t at) {
  const std::wstring_view rest = text.substr(at);
  std::wstring_view close = L">";
  if (rest.starts_with(L"<!--"))
    close = L"-->";
  else if (rest.starts_with(L"<![CDATA["))
    close = L"]]>";
  else if (rest.starts_with(L"<?"))
    close = L"?>";
  // In a tag a ">" may stand inside a quoted attribute value.
  wchar_t quote = 0;
  for (size_t i = at + 1; i < text.size(); ++i) {
    if (close.size() > 1) {
      if (text.substr(i).starts_with(close)) return i + close.size();
    } else if (quote != 0) {
      if (text[i] == quote) quote = 0;
    } else if (text[i] == L'"' || text[i] == L'\'') {
      quote = text[i];
    } else if (text[i] == L'>') {
      return i + 1;
    }
  }
  return text.size();
}

}  // namespace

std::optional<FileSkip> XmlBeyondBounds(std::wstring_view text) {
  int depth = 0;
  size_t elements = 0;
  for (size_t at = 0; at < text.size();) {
    if (text[at] != L'<') {
      const size_t next = text.find(L'<', at);
      const size_t end = next == std::wstring_view::npos ? text.size() : next;
      if (end - at > kMaxXmlNodeChars) return FileSkip::kXmlTooLarge;
      at = end;
      continue;
    }
    const size_t end = MarkupEnd(text, at);
    if (end - at > kMaxXmlNodeChars) return FileSkip::kXmlTooLarge;
    const std::wstring_view markup = text.substr(at, end - at);
    at = end;
    if (markup.starts_with(L"<!DOCTYPE")) return FileSkip::kXmlDocumentType;
    if (markup.starts_with(L"<!") || markup.starts_with(L"<?")) continue;
    if (markup.starts_with(L"</")) {
      --depth;
      continue;
    }
    if (++elements > kMaxXmlElements) return FileSkip::kXmlTooLarge;
    if (markup.ends_with(L"/>")) continue;
    if (++depth > kMaxXmlDepth) return FileSkip::kXmlTooDeep;
  }
  return std::nullopt;
}

}  // namespace lumora
