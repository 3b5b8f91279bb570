#pragma once
// The bounds an XML session file must keep before it is parsed. A session
// nests four elements deep, and its texts and tags are a few dozen characters
// long; a file far beyond that is damaged or made to harm, and the parser
// would spend minutes on it or recurse as deep as it nests.

#include <cstddef>
#include <optional>
#include <string_view>

#include "history/left_out.h"

namespace lumora {

/// Elements open at once.
inline constexpr int kMaxXmlDepth = 64;
/// Characters of one text between tags, one tag with its attributes, one
/// comment, CDATA section or processing instruction.
inline constexpr size_t kMaxXmlNodeChars = 64 * 1024;
/// Elements in one file: some forty thousand sessions' games.
inline constexpr size_t kMaxXmlElements = 2'000'000;

/// Why `text` must not be parsed, or nullopt when it keeps the bounds above
/// and declares no document type (its entities could expand a small file
/// into a huge one). One pass over the text, in constant memory; markup left
/// open at the end is the parser's to refuse.
std::optional<FileSkip> XmlBeyondBounds(std::wstring_view text);

}  // namespace lumora
