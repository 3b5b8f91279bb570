#pragma once
// Reading a hand-history file into text lines, whatever the room's client
// wrote: UTF-8 or UTF-16 (LE or BE), each with or without a byte-order mark,
// or Windows-1252; lines end with CR, LF or CRLF. Without a mark each file is
// decoded by what its bytes show (see DecodeHistoryText). Decoding never
// fails: what fits no encoding becomes U+FFFD.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

/// Outcome of ReadHistoryFileEx; 0 means the lines were read.
enum ReadFileStatus : int {
  kReadOk = 0,
  kReadCannotOpen = 1,
  kReadFailed = 2,
  kReadTooLarge = 3,
};

/// Largest file accepted (a day of multi-tabling is a few MB; this guards
/// against a wrong folder holding disk images).
inline constexpr std::uintmax_t kMaxHistoryFileBytes = 512ull * 1024 * 1024;

/// Lines of text, viewed in the text they were cut from.
using TextLines = std::vector<std::wstring_view>;

/// A history file's decoded text and its lines. The lines view the text, so
/// the object stays where it was made: it is neither copied nor moved.
struct HistoryText {
  HistoryText() = default;
  HistoryText(const HistoryText&) = delete;
  HistoryText& operator=(const HistoryText&) = delete;

  std::wstring text;
  TextLines lines;  ///< without line ends
};

/// Reads the file at `path` into `out`. Returns kReadOk, or another status
/// when the file cannot be opened, is over kMaxHistoryFileBytes, or cannot be
/// read whole; `out` is then empty.
int ReadHistoryFileEx(const std::filesystem::path& path, HistoryText& out);

/// Decodes the raw bytes of a history file. A byte-order mark decides; without
/// one, zero bytes in most high (or low) halves of the first 64 KB make UTF-16,
/// and otherwise UTF-8 is taken when its valid sequences of two bytes or more
/// outnumber the bytes that fit none (those few are read as Windows-1252);
/// else the file is Windows-1252.
std::wstring DecodeHistoryText(std::string_view bytes);

/// Cuts decoded text into lines at CR, LF or CRLF, as views of `text`. A
/// final line end does not open an extra empty line.
TextLines SplitLines(std::wstring_view text);

}  // namespace lumora
