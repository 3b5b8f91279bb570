#pragma once
// Reading a hand-history file into text lines, whatever the room's client
// wrote: UTF-8 or UTF-16 (LE or BE), each with or without a byte-order mark,
// or Windows-1252; lines end with CR, LF or CRLF. Without a mark each file is
// decoded by what its bytes show (see DecodeHistoryText). Decoding never
// fails: what fits no encoding becomes U+FFFD.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
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

/// A buffer kept from one file to the next: it grows to the largest file
/// read and is never zero-filled, since every element handed out is written
/// before it is read. Reading many files thus touches fresh memory only for
/// the largest.
template <typename T>
class ReusedBuffer {
 public:
  /// Room for at least `size` elements, their values unspecified.
  T* Reserve(size_t size) {
    if (size > m_capacity) {
      // At least doubled: files of a day's sessions differ little in size,
      // and each slightly larger one would otherwise map a fresh buffer and
      // fault in every page of it again. Pages never written cost nothing.
      m_capacity = std::max(size, 2 * m_capacity);
      m_data = std::make_unique_for_overwrite<T[]>(m_capacity);
    }
    return m_data.get();
  }

 private:
  std::unique_ptr<T[]> m_data;
  size_t m_capacity = 0;
};

/// A history file's decoded text and its lines. The lines view the text, and
/// the text views a buffer that the next file read into this object reuses:
/// one object per reading thread, neither copied nor moved.
struct HistoryText {
  HistoryText() = default;
  HistoryText(const HistoryText&) = delete;
  HistoryText& operator=(const HistoryText&) = delete;

  std::string_view raw;  ///< the file's bytes as read (in `bytes`)
  std::wstring_view text;
  TextLines lines;  ///< without line ends
  /// When marked bytes were asked for: 1 for each line that holds one of
  /// them, or for every line of a file that is no UTF-8; else empty.
  std::vector<uint8_t> marked;

  ReusedBuffer<char> bytes;    ///< the file as read
  ReusedBuffer<wchar_t> wide;  ///< the text decoded
};

/// Reads the file at `path` into `out`, reusing its buffers, and marks its
/// lines as DecodeHistoryInto does. Returns kReadOk, or another status when
/// the file cannot be opened, is over kMaxHistoryFileBytes, or cannot be read
/// whole; `out` is then empty.
int ReadHistoryFileEx(const std::filesystem::path& path, HistoryText& out,
                      std::string_view markedBytes = {});

/// Reads the bytes of the file at `path` into `out.raw`, reusing its buffer,
/// and empties its text and lines. The status is ReadHistoryFileEx's.
int ReadHistoryBytes(const std::filesystem::path& path, HistoryText& out);

/// How a history file's bytes are decoded (see DecodeHistoryText).
enum class TextEncoding : uint8_t { kUtf8Marked, kUtf8, kUtf16Le, kUtf16Be, kCp1252 };

/// A history file decoded into a HistoryText's reused buffer, its lines cut
/// and marked as DecodeHistoryInto does: UTF-8 text a piece at a time, so
/// that a reader right behind the decoder finds the text still in the
/// processor's cache (a whole file's text, four bytes a character, would not
/// fit), or any text whole. The pieces' lines, one after another, are the
/// whole text's lines.
class HistoryPieces {
 public:
  /// The file's `bytes` (which must outlive this), in pieces of about
  /// `pieceBytes`: each runs on to the end of the line it reaches.
  HistoryPieces(std::string_view bytes, size_t pieceBytes);

  /// Whether the file is UTF-8 text, which comes in pieces; any other comes
  /// whole.
  bool Utf8() const;
  /// Decodes the next piece, of `atLeast` bytes if that is more, into `out`
  /// (its text, lines and marks), over the last one; false when none is left.
  bool Next(HistoryText& out, std::string_view markedBytes = {}, size_t atLeast = 0);
  /// Decodes the whole text into `out` instead, as DecodeHistoryInto does.
  void Whole(HistoryText& out, std::string_view markedBytes = {});
  /// Whether the text decoded last ends the file.
  bool AtEnd() const { return m_started && m_rest.empty(); }

 private:
  std::string_view m_text;  ///< the bytes after the byte-order mark
  std::string_view m_rest;  ///< the bytes not decoded yet
  size_t m_pieceBytes;
  TextEncoding m_encoding;
  bool m_started = false;
};

/// Decodes the raw bytes of a history file. A byte-order mark decides; without
/// one, zero bytes in most high (or low) halves of the first 64 KB make UTF-16,
/// and otherwise UTF-8 is taken when its valid sequences of two bytes or more
/// outnumber the bytes that fit none (those few are read as Windows-1252);
/// else the file is Windows-1252.
std::wstring DecodeHistoryText(std::string_view bytes);

/// DecodeHistoryText into `out`, which has room for bytes.size() + 1
/// characters (no encoding gives more). Returns the end of the text written.
wchar_t* DecodeHistoryText(std::string_view bytes, wchar_t* out);

/// DecodeHistoryText into `out`'s reused buffer, cut into `out.lines` as
/// SplitLines cuts (for UTF-8, in the same pass). The bytes may be out.bytes.
/// Given up to three ASCII `markedBytes`, `out.marked` tells which lines hold
/// one of them, found in the same pass: a reader that seeks rare phrases in
/// every line can pass over the lines that cannot hold them.
void DecodeHistoryInto(std::string_view bytes, HistoryText& out, std::string_view markedBytes = {});

/// Decodes text known to be UTF-8 (as a database server sends it) into `out`,
/// which has room for bytes.size() characters. A sequence that fits no code
/// point becomes U+FFFD, as in a file marked UTF-8. Returns the end of the
/// text written.
wchar_t* DecodeUtf8Text(std::string_view bytes, wchar_t* out);

/// Cuts decoded text into lines at CR, LF or CRLF, as views of `text`. A
/// final line end does not open an extra empty line.
TextLines SplitLines(std::wstring_view text);

/// SplitLines into `lines`, which is emptied first (its room is kept).
void SplitLines(std::wstring_view text, TextLines& lines);

}  // namespace lumora
