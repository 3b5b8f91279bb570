#pragma once
// Reading a hand-history file into text lines, whatever the room's client
// wrote: UTF-8 with or without a byte-order mark, UTF-16 LE or BE with a mark,
// otherwise Windows-1252; lines end with CR, LF or CRLF. Decoding never fails:
// a byte that fits no encoding becomes U+FFFD.

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

/// Reads the file at `path` and replaces `lines` with its lines (without line
/// ends). Returns kReadOk, or another status when the file cannot be read; the
/// lines are then empty.
int ReadHistoryFileEx(const std::filesystem::path& path, std::vector<std::wstring>& lines);

/// Decodes the raw bytes of a history file (see the encodings above).
std::wstring DecodeHistoryText(std::string_view bytes);

/// Cuts decoded text into lines at CR, LF or CRLF. A final line end does not
/// open an extra empty line.
std::vector<std::wstring> SplitLines(std::wstring_view text);

}  // namespace lumora
