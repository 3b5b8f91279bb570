#include <gtest/gtest.h>

#include <cmath>

#include "base/history_file.h"
#include "base/local_time.h"
#include "base/text.h"
#include "tests/fuzz/fuzz_support.h"

namespace lumora {
namespace {

using testing::FuzzRounds;
using testing::RandomBytes;

/// Mostly line ends, tabs and UTF-8 (a third with a byte-order mark), with a
/// stray byte now and then: what a file read cuts as it decodes.
std::string TextLikeBytes(std::mt19937& random) {
  static constexpr std::string_view kPieces[] = {
      "a",  "Seat 1",   "\r",   "\n",       "\r\n", "Dealt to Hero [Ah Kd]", "Ann said, \"gl\"",
      "\t", "\xC3\xA9", "\x80", "\xE2\x82", "w"};
  std::string bytes = random() % 3 == 0 ? "\xEF\xBB\xBF" : "";
  for (unsigned n = random() % 40; n > 0; --n) bytes += kPieces[random() % std::size(kPieces)];
  return bytes;
}

TEST(TextFuzz, DecodingAnyBytesGivesLinesWithoutLineEnds) {
  std::mt19937 random(20261206);
  HistoryText file;
  for (int round = 0; round < FuzzRounds(20000); ++round) {
    const std::string bytes = round % 2 ? RandomBytes(random, 200) : TextLikeBytes(random);
    const std::wstring text = DecodeHistoryText(bytes);
    const TextLines lines = SplitLines(text);
    // Cutting while decoding gives what cutting after gives.
    DecodeHistoryInto(bytes, file, ",jw");
    ASSERT_EQ(file.text, text);
    ASSERT_EQ(file.lines, lines);
    // Every line holding a marked character is marked; in UTF-8 (sure with
    // the mark) only those are.
    ASSERT_EQ(file.marked.size(), lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      const bool holds = lines[i].find_first_of(L",jw") != std::wstring_view::npos;
      if (holds || bytes.starts_with("\xEF\xBB\xBF")) {
        ASSERT_EQ(file.marked[i], holds ? 1 : 0) << i;
      }
    }
    // A byte-order mark makes it UTF-8 whatever follows: the decoder's fast
    // copy of plain runs must agree with the plain one.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
      ASSERT_EQ(text, Utf8ToWide(bytes.substr(3)));
    }
    for (const std::wstring_view line : lines) {
      EXPECT_EQ(line.find_first_of(L"\r\n"), std::wstring::npos);
      // Whatever was decoded must survive a trip through UTF-8.
      EXPECT_EQ(Utf8ToWide(WideToUtf8(line)), std::wstring(line));
    }
  }
}

TEST(TextFuzz, NumberParsersNeverFailOnAnyText) {
  std::mt19937 random(7);
  for (int round = 0; round < FuzzRounds(20000); ++round) {
    const std::wstring text = Utf8ToWide(RandomBytes(random, 40));
    const double amount = ParseAmount(text);
    (void)ParseInt(text);
    (void)TrimView(text);
    // Only a text that spells it can give "not a number".
    if (std::isnan(amount)) {
      EXPECT_NE(Trim(text).substr(0, 4).find_first_of(L"nN"), std::wstring::npos);
    }
  }
}

TEST(TextFuzz, DateTextsEitherParseOrAreRefused) {
  std::mt19937 random(11);
  const std::string valid = "05.12.2026 13:45:10";
  for (int round = 0; round < FuzzRounds(20000); ++round) {
    const std::string text = round % 2 ? testing::Mutate(valid, random) : RandomBytes(random, 30);
    const auto time = GetTimeFromString(Utf8ToWide(text));
    if (time) {
      EXPECT_TRUE(FormatLocalTime(*time, L"%d.%m.%Y %H:%M:%S").has_value());
    }
  }
}

}  // namespace
}  // namespace lumora
