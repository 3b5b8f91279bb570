#include "base/history_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <system_error>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

#include "base/text.h"

namespace lumora {
namespace {

// Windows-1252 bytes 0x80-0x9F; the five unassigned ones map to themselves as
// Windows does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

/// The UTF-8 sequence that starts at s[i] (its lead byte is 0x80 or more):
/// its code point and length, or a length of 0 when the bytes there are none.
struct Utf8Sequence {
  char32_t cp = 0;
  int length = 0;
};

Utf8Sequence Utf8At(const unsigned char* s, size_t n, size_t i) {
  const unsigned char c = s[i];
  int extra;
  char32_t cp;
  if ((c & 0xE0) == 0xC0) {
    extra = 1, cp = c & 0x1F;
  } else if ((c & 0xF0) == 0xE0) {
    extra = 2, cp = c & 0x0F;
  } else if ((c & 0xF8) == 0xF0) {
    extra = 3, cp = c & 0x07;
  } else {
    return {};
  }
  for (int k = 1; k <= extra; ++k) {
    if (i + k >= n || (s[i + k] & 0xC0) != 0x80) return {};
    cp = (cp << 6) | (s[i + k] & 0x3F);
  }
  static constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
  return {cp, extra + 1};
}

/// The end of the run of ASCII bytes that starts at s[i], found eight bytes
/// at a time: hand histories are mostly ASCII.
size_t AsciiRunEnd(const unsigned char* s, size_t n, size_t i) {
  while (i + 8 <= n) {
    uint64_t word;
    std::memcpy(&word, s + i, 8);
    if (word & 0x8080808080808080ull) break;
    i += 8;
  }
  while (i < n && s[i] < 0x80) ++i;
  return i;
}

/// What the bytes of a file without a byte-order mark say of UTF-8: how many
/// sequences of two bytes or more are valid, and how many bytes fit none.
struct Utf8Evidence {
  size_t valid = 0;
  size_t invalid = 0;
};

Utf8Evidence WeighUtf8(std::string_view bytes) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  Utf8Evidence evidence;
  for (size_t i = AsciiRunEnd(s, n, 0); i < n; i = AsciiRunEnd(s, n, i)) {
    const Utf8Sequence sequence = Utf8At(s, n, i);
    if (sequence.length == 0) {
      ++evidence.invalid;
      ++i;
    } else {
      ++evidence.valid;
      i += sequence.length;
    }
  }
  return evidence;
}

wchar_t Cp1252Char(unsigned char b) {
  return b >= 0x80 && b < 0xA0 ? static_cast<wchar_t>(kCp1252High[b - 0x80])
                               : static_cast<wchar_t>(b);
}

wchar_t* PutCodePoint(wchar_t* out, char32_t cp) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (cp >= 0x10000) {
      *out++ = static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
      *out++ = static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
      return out;
    }
  }
  *out++ = static_cast<wchar_t>(cp);
  return out;
}

/// How many bytes a sequence that fits no code point takes when it is read
/// as one replacement character: the lead and the continuation bytes that
/// follow it, as many as the lead announces.
size_t BadSequenceLength(const unsigned char* s, size_t n, size_t i) {
  const unsigned char c = s[i];
  const size_t extra = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
  size_t k = 1;
  while (k <= extra && i + k < n && (s[i + k] & 0xC0) == 0x80) ++k;
  return k;
}

/// What becomes of a byte that fits no UTF-8 sequence.
enum class StrayBytes {
  kCp1252,    ///< read as Windows-1252: a name typed into an older client, a pasted line
  kReplaced,  ///< the sequence becomes U+FFFD (a file that declares UTF-8 by its mark)
};

/// The ASCII bytes whose lines are marked while a UTF-8 file is decoded (see
/// DecodeHistoryInto): up to three, the last repeated when fewer are given.
struct MarkedBytes {
  explicit MarkedBytes(std::string_view bytes) : any(!bytes.empty()) {
    for (size_t k = 0; k < 3; ++k) byte[k] = any ? bytes[std::min(k, bytes.size() - 1)] : '\0';
  }

  bool Holds(unsigned char c) const {
    return any &&
           (c == static_cast<unsigned char>(byte[0]) || c == static_cast<unsigned char>(byte[1]) ||
            c == static_cast<unsigned char>(byte[2]));
  }

  bool any;
  char byte[3];
};

/// Cuts decoded text into lines as its line ends are met, in order: LF, CRLF
/// and a CR alone each end one line. The decoder of UTF-8 files cuts while it
/// writes, saving a second pass over the text; other text is cut after.
/// Given `marks`, it records for each line whether Mark was called while the
/// line was being written.
class LineCutter {
 public:
  LineCutter(const wchar_t* text, TextLines& lines, std::vector<uint8_t>* marks = nullptr)
      : m_start(text), m_lines(lines), m_marks(marks) {}

  /// The line being written holds a marked byte.
  void Mark() { m_marked = true; }
  /// `end` points at a CR or LF of the text, after the last one cut.
  void Cut(const wchar_t* end) {
    if (*end != L'\n' || end != m_afterCr)  // else the LF of a CRLF, whose line is cut
      AddLine(end);
    m_start = end + 1;
    m_afterCr = *end == L'\r' ? end + 1 : nullptr;
  }
  /// `end` points at the CR of a CRLF, after the last line end cut: one cut
  /// for both, the LF then no longer asked about.
  void CutPair(const wchar_t* end) {
    AddLine(end);
    m_start = end + 2;
    m_afterCr = nullptr;
  }
  /// The text ends at `end`: what follows the last line end is a line.
  void Finish(const wchar_t* end) {
    if (end != m_start) AddLine(end);
  }

 private:
  void AddLine(const wchar_t* end) {
    m_lines.emplace_back(m_start, static_cast<size_t>(end - m_start));
    if (m_marks) m_marks->push_back(m_marked ? 1 : 0);
    m_marked = false;
  }

  const wchar_t* m_start;
  const wchar_t* m_afterCr = nullptr;
  TextLines& m_lines;
  std::vector<uint8_t>* m_marks;
  bool m_marked = false;
};

/// A block of bytes as the decoder sees it, a bit per byte from the first:
/// the bytes it does not copy as they are (the high and control bytes, line
/// ends among them), the line feeds and carriage returns (sought only in a
/// block with stops), and the marked bytes.
struct BlockBits {
  uint64_t stops = 0;
  uint64_t lineFeeds = 0;
  uint64_t returns = 0;
  uint64_t marks = 0;
};

/// Cuts the lines that end in a block of `width` bytes, already stored
/// widened at `out`, up to its first stop that is no line end. Returns how
/// many bytes of the block are taken: all, unless one for the caller stands
/// in it.
inline int TakeBlock(BlockBits bits, int width, wchar_t* out, LineCutter* cutter) {
  if (bits.stops == 0) {
    if (bits.marks != 0) cutter->Mark();
    return width;
  }
  const uint64_t endBits = bits.lineFeeds | bits.returns;
  const int taken = bits.stops == endBits ? width : std::countr_zero(bits.stops & ~endBits);
  if (!cutter) return taken;
  const uint64_t takenBits = taken == 64 ? ~uint64_t{0} : (uint64_t{1} << taken) - 1;
  // Windows ends its lines with CRLF: a CR whose LF follows in the block is
  // cut once, for both. One whose LF opens the next block is cut alone, and
  // the cutter knows that LF when it comes.
  const uint64_t pairs = bits.returns & (bits.lineFeeds >> 1);
  const uint64_t cuts = endBits & ~(pairs << 1) & takenBits;
  const auto cut = [&](int end) {
    if ((pairs >> end) & 1)
      cutter->CutPair(out + end);
    else
      cutter->Cut(out + end);
  };
  if (bits.marks == 0) {  // the usual block: lines to cut, none to mark
    for (uint64_t m = cuts; m != 0; m &= m - 1) cut(std::countr_zero(m));
    return taken;
  }
  uint64_t before = 0;  // the block's bits before the line being written
  for (uint64_t m = cuts; m != 0; m &= m - 1) {
    const int end = std::countr_zero(m);
    if ((bits.marks & ~before & ((uint64_t{1} << end) - 1)) != 0) cutter->Mark();
    cut(end);
    before = (uint64_t{2} << end) - 1;
  }
  if ((bits.marks & ~before & takenBits) != 0) cutter->Mark();
  return taken;
}

// Hand histories are mostly plain bytes (see CopyPlainLines): a block of them
// is widened and stored at once. One signed comparison finds both the high
// and the control bytes (as signed bytes, both are below 0x0E); when the only
// ones are line ends, which are stored as they are, the lines are cut without
// leaving the loop. Each loop returns where it stopped: at a byte for the
// caller, or where fewer bytes than a block are left.

#if defined(__SSE2__)
size_t CopyPlainBlocks16(const unsigned char* s, size_t n, size_t i, wchar_t*& out,
                         LineCutter* cutter, const MarkedBytes& marked) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i firstPlain = _mm_set1_epi8(0x0E);
  const __m128i lineFeed = _mm_set1_epi8('\n');
  const __m128i carriageReturn = _mm_set1_epi8('\r');
  const bool marking = cutter && marked.any;
  const __m128i mark0 = _mm_set1_epi8(marked.byte[0]);
  const __m128i mark1 = _mm_set1_epi8(marked.byte[1]);
  const __m128i mark2 = _mm_set1_epi8(marked.byte[2]);
  while (i + 16 <= n) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    const __m128i low = _mm_unpacklo_epi8(bytes, zero);
    const __m128i high = _mm_unpackhi_epi8(bytes, zero);
    if constexpr (sizeof(wchar_t) == 2) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out), low);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), high);
    } else {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi16(low, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4), _mm_unpackhi_epi16(low, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpacklo_epi16(high, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 12), _mm_unpackhi_epi16(high, zero));
    }
    BlockBits bits;
    bits.stops = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmplt_epi8(bytes, firstPlain)));
    if (marking)
      bits.marks = static_cast<uint32_t>(_mm_movemask_epi8(
          _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, mark0), _mm_cmpeq_epi8(bytes, mark1)),
                       _mm_cmpeq_epi8(bytes, mark2))));
    if (bits.stops != 0) {
      bits.lineFeeds = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed)));
      bits.returns =
          static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, carriageReturn)));
    }
    const int taken = TakeBlock(bits, 16, out, cutter);
    out += taken;
    i += static_cast<size_t>(taken);
    if (taken < 16) return i;
  }
  return i;
}
#endif

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && __SIZEOF_WCHAR_T__ == 4
#define LUMORA_DECODE_AVX2 1
/// Four times the block of CopyPlainBlocks16, on processors that have AVX2
/// (most made since 2013); the program is built for those that do not.
__attribute__((target("avx2"))) size_t CopyPlainBlocks64(const unsigned char* s, size_t n, size_t i,
                                                         wchar_t*& out, LineCutter* cutter,
                                                         const MarkedBytes& marked) {
  const __m256i firstPlain = _mm256_set1_epi8(0x0E);
  const __m256i lineFeed = _mm256_set1_epi8('\n');
  const __m256i carriageReturn = _mm256_set1_epi8('\r');
  const bool marking = cutter && marked.any;
  const __m256i mark0 = _mm256_set1_epi8(marked.byte[0]);
  const __m256i mark1 = _mm256_set1_epi8(marked.byte[1]);
  const __m256i mark2 = _mm256_set1_epi8(marked.byte[2]);
  // The bits of a comparison over both halves of the block, the first half low.
  const auto bitsOf = [](__m256i low, __m256i high) __attribute__((target("avx2"))) {
    return static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(low))) |
           static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(high))) << 32;
  };
  while (i + 64 <= n) {
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + 32));
    for (int k = 0; k < 8; ++k) {
      const __m128i eight = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s + i + 8 * k));
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 8 * k), _mm256_cvtepu8_epi32(eight));
    }
    BlockBits bits;
    bits.stops = bitsOf(_mm256_cmpgt_epi8(firstPlain, low), _mm256_cmpgt_epi8(firstPlain, high));
    const auto marks = [&](__m256i bytes) __attribute__((target("avx2"))) {
      return _mm256_or_si256(
          _mm256_or_si256(_mm256_cmpeq_epi8(bytes, mark0), _mm256_cmpeq_epi8(bytes, mark1)),
          _mm256_cmpeq_epi8(bytes, mark2));
    };
    if (marking) bits.marks = bitsOf(marks(low), marks(high));
    if (bits.stops != 0) {
      bits.lineFeeds = bitsOf(_mm256_cmpeq_epi8(low, lineFeed), _mm256_cmpeq_epi8(high, lineFeed));
      bits.returns =
          bitsOf(_mm256_cmpeq_epi8(low, carriageReturn), _mm256_cmpeq_epi8(high, carriageReturn));
    }
    const int taken = TakeBlock(bits, 64, out, cutter);
    out += taken;
    i += static_cast<size_t>(taken);
    if (taken < 64) return i;
  }
  return i;
}

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

/// Plain ASCII bytes are those the decoder copies as they are: below 0x80,
/// and not a control byte below 0x0E (a tab, or a line end). Copies the
/// plain bytes and line ends from s[i] on to `out`, widened, cutting the
/// lines at the line ends (and marking those that hold a marked byte) when
/// given a cutter, up to the first other byte or the end; returns where it
/// stopped, and `out` is moved past what it wrote. Up to a block (64
/// characters) past that may be written too: the caller's buffer has room,
/// since no decoded text is longer than its bytes, and overwrites them next.
size_t CopyPlainLines(const unsigned char* s, size_t n, size_t i, wchar_t*& out, LineCutter* cutter,
                      const MarkedBytes& marked) {
  // A loop that stops at a byte for the caller leaves it first in the next
  // loop's block, which then stops at once.
#if defined(LUMORA_DECODE_AVX2)
  if (HasAvx2()) i = CopyPlainBlocks64(s, n, i, out, cutter, marked);
#endif
#if defined(__SSE2__)
  i = CopyPlainBlocks16(s, n, i, out, cutter, marked);
#endif
  for (; i < n && (s[i] >= 0x0E || s[i] == '\n' || s[i] == '\r') && s[i] < 0x80; ++i) {
    *out = static_cast<wchar_t>(s[i]);
    if (cutter && (*out == L'\n' || *out == L'\r')) cutter->Cut(out);
    if (cutter && marked.Holds(s[i])) cutter->Mark();
    ++out;
  }
  return i;
}

/// Decodes UTF-8; with a cutter, cuts the lines as it goes.
wchar_t* DecodeUtf8(const unsigned char* s, size_t n, StrayBytes stray, wchar_t* out,
                    LineCutter* cutter, const MarkedBytes& marked = MarkedBytes({})) {
  for (size_t i = 0; i < n;) {
    if ((i = CopyPlainLines(s, n, i, out, cutter, marked)) == n) break;
    if (s[i] < 0x80) {  // another control byte, a tab say
      *out++ = static_cast<wchar_t>(s[i++]);
      continue;
    }
    const Utf8Sequence sequence = Utf8At(s, n, i);
    if (sequence.length != 0) {
      out = PutCodePoint(out, sequence.cp);
      i += sequence.length;
    } else if (stray == StrayBytes::kCp1252) {
      *out++ = Cp1252Char(s[i++]);
    } else {
      out = PutCodePoint(out, 0xFFFD);
      i += BadSequenceLength(s, n, i);
    }
  }
  return out;
}

/// UTF-16 without a byte-order mark shows itself by its zero bytes: the
/// high byte of every ASCII character. Text in an 8-bit encoding has none.
/// nullopt when the bytes are no UTF-16; otherwise whether big-endian.
std::optional<bool> Utf16ByZeroBytes(std::string_view bytes) {
  const size_t pairs = std::min<size_t>(bytes.size(), 65536) / 2;
  size_t zeroFirst = 0;
  size_t zeroSecond = 0;
  for (size_t k = 0; k < pairs; ++k) {
    zeroFirst += bytes[2 * k] == '\0';
    zeroSecond += bytes[2 * k + 1] == '\0';
  }
  if (zeroSecond * 2 > pairs && zeroFirst * 8 < zeroSecond) return false;
  if (zeroFirst * 2 > pairs && zeroSecond * 8 < zeroFirst) return true;
  return std::nullopt;
}

wchar_t* DecodeCp1252(const unsigned char* s, size_t n, wchar_t* out) {
  for (size_t i = 0; i < n; ++i) *out++ = Cp1252Char(s[i]);
  return out;
}

wchar_t* DecodeUtf16(const unsigned char* s, size_t n, bool bigEndian, wchar_t* out) {
  const size_t units = n / 2;
  auto unit = [&](size_t k) -> char32_t {
    return bigEndian ? (s[2 * k] << 8) | s[2 * k + 1] : (s[2 * k + 1] << 8) | s[2 * k];
  };
  for (size_t k = 0; k < units; ++k) {
    char32_t cp = unit(k);
    if (cp >= 0xD800 && cp <= 0xDBFF && k + 1 < units && unit(k + 1) >= 0xDC00 &&
        unit(k + 1) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(++k) - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    out = PutCodePoint(out, cp);
  }
  if (n % 2 != 0) *out++ = 0xFFFD;  // a torn last unit
  return out;
}

/// Cuts the decoded text from `begin` to `end` at its line ends.
void CutLines(const wchar_t* begin, const wchar_t* end, LineCutter& cutter) {
  for (const wchar_t* at = begin; at != end; ++at)
    if (*at == L'\n' || *at == L'\r') cutter.Cut(at);
  cutter.Finish(end);
}

/// The encoding and the length of the byte-order mark that told it, if any.
struct FoundEncoding {
  TextEncoding encoding;
  size_t markLength = 0;
};

FoundEncoding EncodingOf(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return {TextEncoding::kUtf8Marked, 3};
  if (bytes.starts_with("\xFF\xFE")) return {TextEncoding::kUtf16Le, 2};
  if (bytes.starts_with("\xFE\xFF")) return {TextEncoding::kUtf16Be, 2};
  if (const std::optional<bool> bigEndian = Utf16ByZeroBytes(bytes))
    return {*bigEndian ? TextEncoding::kUtf16Be : TextEncoding::kUtf16Le};
  // UTF-8 when its sequences outnumber the bytes that fit none: one stray
  // byte does not make a UTF-8 file a Windows-1252 one, and Windows-1252
  // text almost never forms a UTF-8 sequence.
  const Utf8Evidence evidence = WeighUtf8(bytes);
  return {evidence.invalid == 0 || evidence.valid > evidence.invalid ? TextEncoding::kUtf8
                                                                     : TextEncoding::kCp1252};
}

/// Decodes `bytes`, which are text in `encoding` without its mark, into
/// `out` and, given `lines`, cuts the text into them; given `marks` too,
/// marks the lines that hold one of `marked` (every line, when the text is
/// no UTF-8). Returns the end of the text written.
wchar_t* Decode(std::string_view bytes, TextEncoding encoding, wchar_t* out, TextLines* lines,
                std::vector<uint8_t>* marks = nullptr,
                const MarkedBytes& marked = MarkedBytes({})) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  std::optional<LineCutter> cutter;
  if (lines) {
    lines->clear();
    if (marks) marks->clear();
    cutter.emplace(out, *lines, marks);
  }
  LineCutter* const cutWhileDecoding = cutter ? &*cutter : nullptr;
  wchar_t* const begin = out;
  wchar_t* end = out;
  switch (encoding) {
    case TextEncoding::kUtf8Marked:
    case TextEncoding::kUtf8: {
      // The UTF-8 decoder cuts as it writes.
      const StrayBytes stray =
          encoding == TextEncoding::kUtf8Marked ? StrayBytes::kReplaced : StrayBytes::kCp1252;
      end = DecodeUtf8(s, n, stray, out, cutWhileDecoding, marked);
      if (cutter) cutter->Finish(end);
      return end;
    }
    case TextEncoding::kUtf16Le:
    case TextEncoding::kUtf16Be:
      end = DecodeUtf16(s, n, encoding == TextEncoding::kUtf16Be, out);
      break;
    case TextEncoding::kCp1252:
      end = DecodeCp1252(s, n, out);
      break;
  }
  if (cutter) {
    CutLines(begin, end, *cutter);  // which finishes
    if (marks) marks->assign(lines->size(), 1);
  }
  return end;
}

/// Decode into `out`: its reused buffer, its lines and, given marked bytes,
/// its marks.
void DecodeInto(std::string_view bytes, TextEncoding encoding, HistoryText& out,
                std::string_view markedBytes) {
  wchar_t* const wide = out.wide.Reserve(bytes.size() + 1);
  out.marked.clear();
  wchar_t* const end =
      Decode(bytes, encoding, wide, &out.lines, markedBytes.empty() ? nullptr : &out.marked,
             MarkedBytes(markedBytes));
  out.text = std::wstring_view(wide, static_cast<size_t>(end - wide));
}

}  // namespace

wchar_t* DecodeHistoryText(std::string_view bytes, wchar_t* out) {
  const FoundEncoding found = EncodingOf(bytes);
  return Decode(bytes.substr(found.markLength), found.encoding, out, nullptr);
}

void DecodeHistoryInto(std::string_view bytes, HistoryText& out, std::string_view markedBytes) {
  const FoundEncoding found = EncodingOf(bytes);
  DecodeInto(bytes.substr(found.markLength), found.encoding, out, markedBytes);
}

wchar_t* DecodeUtf8Text(std::string_view bytes, wchar_t* out) {
  return DecodeUtf8(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                    StrayBytes::kReplaced, out, nullptr);
}

std::wstring DecodeHistoryText(std::string_view bytes) {
  std::wstring text(bytes.size() + 1, L'\0');
  text.resize(static_cast<size_t>(DecodeHistoryText(bytes, text.data()) - text.data()));
  return text;
}

void SplitLines(std::wstring_view text, TextLines& lines) {
  lines.clear();
  LineCutter cutter(text.data(), lines);
  CutLines(text.data(), text.data() + text.size(), cutter);
}

TextLines SplitLines(std::wstring_view text) {
  TextLines lines;
  SplitLines(text, lines);
  return lines;
}

int ReadHistoryBytes(const std::filesystem::path& path, HistoryText& out) {
  out.raw = {};
  out.text = {};
  out.lines.clear();
  out.marked.clear();
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return kReadCannotOpen;
  if (size > kMaxHistoryFileBytes) return kReadTooLarge;
  std::ifstream file(path, std::ios::binary);
  if (!file) return kReadCannotOpen;
  const size_t n = static_cast<size_t>(size);
  char* const bytes = out.bytes.Reserve(n);
  file.read(bytes, static_cast<std::streamsize>(n));
  // Fewer bytes than the file holds is a failed read too: half a file would
  // count half its hands.
  if (file.bad() || static_cast<size_t>(file.gcount()) != n) return kReadFailed;
  out.raw = std::string_view(bytes, n);
  return kReadOk;
}

int ReadHistoryFileEx(const std::filesystem::path& path, HistoryText& out,
                      std::string_view markedBytes) {
  const int status = ReadHistoryBytes(path, out);
  if (status == kReadOk) DecodeHistoryInto(out.raw, out, markedBytes);
  return status;
}

HistoryPieces::HistoryPieces(std::string_view bytes, size_t pieceBytes) : m_pieceBytes(pieceBytes) {
  const FoundEncoding found = EncodingOf(bytes);
  m_encoding = found.encoding;
  m_text = m_rest = bytes.substr(found.markLength);
}

bool HistoryPieces::Utf8() const {
  return m_encoding == TextEncoding::kUtf8Marked || m_encoding == TextEncoding::kUtf8;
}

bool HistoryPieces::Next(HistoryText& out, std::string_view markedBytes, size_t atLeast) {
  if (AtEnd() || !Utf8()) return false;
  // Cut after a line feed: no UTF-8 sequence holds one, and a CR before it
  // stays with it, so every piece ends on a line end the whole text has too.
  const size_t least = std::max({m_pieceBytes, atLeast, size_t{1}});
  size_t end = m_rest.size();
  if (m_rest.size() > least) {
    const size_t feed = m_rest.find('\n', least - 1);
    if (feed != std::string_view::npos) end = feed + 1;
  }
  DecodeInto(m_rest.substr(0, end), m_encoding, out, markedBytes);
  m_rest.remove_prefix(end);
  m_started = true;
  return true;
}

void HistoryPieces::Whole(HistoryText& out, std::string_view markedBytes) {
  DecodeInto(m_text, m_encoding, out, markedBytes);
  m_rest = {};
  m_started = true;
}

}  // namespace lumora
