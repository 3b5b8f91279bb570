#include "base/history_file.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using Lines = std::vector<std::wstring_view>;

TEST(DecodeHistoryText, ReadsEveryEncodingTheClientsWrite) {
  EXPECT_EQ(DecodeHistoryText("\xEF\xBB\xBF"
                              "Bet \xE2\x82\xAC"
                              "1"),
            L"Bet \u20AC1");  // UTF-8, BOM
  EXPECT_EQ(DecodeHistoryText("Bet \xC2\xA3"
                              "1"),
            L"Bet \u00A31");  // UTF-8
  EXPECT_EQ(DecodeHistoryText(std::string("\xFF\xFE"
                                          "A\0\xAC\x20",
                                          6)),
            L"A\u20AC");                                                            // UTF-16 LE
  EXPECT_EQ(DecodeHistoryText(std::string("\xFE\xFF\0A\x20\xAC", 6)), L"A\u20AC");  // UTF-16 BE
  EXPECT_EQ(DecodeHistoryText("Bet \x80"
                              "1 \xA3"
                              "2"),
            L"Bet \u20AC1 \u00A32");  // Windows-1252
}

TEST(DecodeHistoryText, NeverFailsOnDamagedText) {
  // Invalid UTF-8 falls back to Windows-1252, where every byte means something;
  // but a stray byte among more UTF-8 sequences is read alone.
  EXPECT_EQ(DecodeHistoryText("caf\xE9 \xFF"), L"caf\u00E9 \u00FF");
  EXPECT_EQ(DecodeHistoryText("\xE2\x82\xAC"
                              "1 caf\xE9 \xE2\x82\xAC"
                              "2"),
            L"\u20AC1 caf\u00E9 \u20AC2");
  // UTF-16 without a byte-order mark, known by its zero bytes.
  EXPECT_EQ(DecodeHistoryText(std::string("A\0B\0\xAC\x20", 6)), L"AB\u20AC");
  EXPECT_EQ(DecodeHistoryText(std::string("\0A\0B\x20\xAC", 6)), L"AB\u20AC");
  // A torn UTF-16 unit and a lone surrogate.
  EXPECT_EQ(DecodeHistoryText(std::string("\xFF\xFE"
                                          "A\0B",
                                          5)),
            L"A\uFFFD");
  EXPECT_EQ(DecodeHistoryText(std::string("\xFF\xFE\x00\xD8"
                                          "A\0",
                                          6)),
            L"\uFFFDA");
  EXPECT_EQ(DecodeHistoryText(""), L"");
}

TEST(SplitLines, CutsAtEveryKindOfLineEnd) {
  EXPECT_EQ(SplitLines(L"a\r\nb\nc\rd"), (Lines{L"a", L"b", L"c", L"d"}));
  EXPECT_EQ(SplitLines(L"a\n\n\nb\n"), (Lines{L"a", L"", L"", L"b"}));
  EXPECT_EQ(SplitLines(L"a\r\r\nb"), (Lines{L"a", L"", L"b"}));
  EXPECT_EQ(SplitLines(L""), Lines{});
  EXPECT_EQ(SplitLines(L"\n"), Lines{L""});
}

TEST(DecodeHistoryInto, CutsAndMarksAsTheSeparateStepsDo) {
  // The decoder cuts and marks lines while it widens blocks of plain bytes:
  // line ends, marked bytes and other bytes fall at every place in a block
  // and across blocks, in texts of every length up to a few blocks.
  const std::string pieces[] = {"a",   "b c",      "Seat 1: Hero ($10 in chips)",
                                "\n",  "\r",       "\r\n",
                                ",",   "j",        "w",
                                "\t",  "\xC3\xA9", "\xE2\x82\xAC",
                                "\x80"};
  const size_t plainPieces = 10;  // the ASCII ones
  uint32_t seed = 12345;
  const auto next = [&] { return (seed = seed * 1103515245 + 12345) >> 16; };
  HistoryText file;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    const bool plainOnly = round % 3 == 0;
    for (size_t length = next() % 300; bytes.size() < length;)
      bytes += pieces[next() % (plainOnly ? plainPieces : std::size(pieces))];
    DecodeHistoryInto(bytes, file, ",jw");
    const std::wstring text = DecodeHistoryText(bytes);
    ASSERT_EQ(file.text, text) << round;
    ASSERT_EQ(file.lines, SplitLines(text)) << round;
    ASSERT_EQ(file.marked.size(), file.lines.size()) << round;
    // A line that holds a marked byte is marked; in a text of plain bytes
    // only those are (a file that is no UTF-8 has every line marked).
    for (size_t k = 0; k < file.lines.size(); ++k) {
      const bool holds = file.lines[k].find_first_of(L",jw") != std::wstring_view::npos;
      if (holds || plainOnly) {
        ASSERT_EQ(file.marked[k] != 0, holds) << round << " line " << k;
      }
    }
  }
}

TEST(ReadHistoryFileEx, ReadsAFileIntoLines) {
  testing::TempDir dir;
  const auto path = dir.Write("h.txt", "\xEF\xBB\xBFPokerStars Hand #1\r\nSeat 1: Hero\r\n");
  HistoryText file;
  EXPECT_EQ(ReadHistoryFileEx(path, file), kReadOk);
  EXPECT_EQ(file.lines, (Lines{L"PokerStars Hand #1", L"Seat 1: Hero"}));
}

TEST(ReadHistoryFileEx, AMissingFileIsAnErrorWithNoLines) {
  testing::TempDir dir;
  HistoryText file;
  file.text = L"stale";
  file.lines = {file.text};
  EXPECT_NE(ReadHistoryFileEx(dir / "missing.txt", file), kReadOk);
  EXPECT_TRUE(file.lines.empty());
  EXPECT_NE(ReadHistoryFileEx(dir.path(), file), kReadOk);  // a folder is no file
}

}  // namespace
}  // namespace lumora
