#include "base/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace lumora {
namespace {

TEST(ParseAmount, ReadsLikeTheCRuntime) {
  EXPECT_DOUBLE_EQ(ParseAmount(L"1.25"), 1.25);
  EXPECT_DOUBLE_EQ(ParseAmount(L"  -3.5 USD"), -3.5);
  EXPECT_DOUBLE_EQ(ParseAmount(L"+2"), 2.0);
  EXPECT_DOUBLE_EQ(ParseAmount(L".5"), 0.5);
  EXPECT_DOUBLE_EQ(ParseAmount(L"1e2"), 100.0);
}

TEST(ParseAmount, StopsAtTheFirstCharacterThatIsNoPartOfTheNumber) {
  // A decimal comma ends the number: only the whole units count.
  EXPECT_DOUBLE_EQ(ParseAmount(L"0,50"), 0.0);
  EXPECT_DOUBLE_EQ(ParseAmount(L"12,75"), 12.0);
  EXPECT_DOUBLE_EQ(ParseAmount(L"3.5)"), 3.5);
  EXPECT_DOUBLE_EQ(ParseAmount(L"7€"), 7.0);
}

TEST(ParseAmount, NoNumberGivesZero) {
  EXPECT_DOUBLE_EQ(ParseAmount(L""), 0.0);
  EXPECT_DOUBLE_EQ(ParseAmount(L"abc"), 0.0);
  EXPECT_DOUBLE_EQ(ParseAmount(L"$5"), 0.0);
  EXPECT_DOUBLE_EQ(ParseAmount(L"+-1"), 0.0);
}

TEST(ParseInt, ReadsTheLeadingWholeNumberAndClamps) {
  EXPECT_EQ(ParseInt(L"12abc"), 12);
  EXPECT_EQ(ParseInt(L" -7"), -7);
  EXPECT_EQ(ParseInt(L"x1"), 0);
  EXPECT_EQ(ParseInt(L"99999999999999999999"), INT_MAX);
  EXPECT_EQ(ParseInt(L"-99999999999999999999"), INT_MIN);
}

TEST(Trim, RemovesEveryKindOfBlankAtBothEnds) {
  EXPECT_EQ(Trim(L" \t\r\n Seat 1: Bob \r"), L"Seat 1: Bob");
  EXPECT_EQ(Trim(L"\u00A0Hero\u00A0"), L"Hero");
  EXPECT_EQ(Trim(L"   "), L"");
  EXPECT_EQ(Trim(L"a b"), L"a b");
}

TEST(Trim, TheQuickTrimAgreesWithTheFullOne) {
  // Every text of up to four characters from an alphabet of printable,
  // blank and other characters: the shortcuts for the usual line must give
  // what the full trim gives.
  const std::wstring alphabet = L"a~ \t\u00A0\u007F";
  for (size_t length = 0; length <= 4; ++length) {
    size_t count = 1;
    for (size_t k = 0; k < length; ++k) count *= alphabet.size();
    for (size_t code = 0; code < count; ++code) {
      std::wstring text;
      for (size_t rest = code, k = 0; k < length; ++k, rest /= alphabet.size())
        text += alphabet[rest % alphabet.size()];
      const std::wstring_view quick = TrimView(text);
      const std::wstring_view full = TrimBlanks(text);
      ASSERT_EQ(quick, full) << WideToUtf8(text);
      ASSERT_EQ(quick.data(), full.data()) << WideToUtf8(text);
    }
  }
}

TEST(ContainsAfterStart, IgnoresAHitAtTheVeryStart) {
  EXPECT_TRUE(ContainsAfterStart(L"Bob: posts big blind $2", L"posts big blind"));
  EXPECT_FALSE(ContainsAfterStart(L"posts big blind $2", L"posts big blind"));
  EXPECT_FALSE(ContainsAfterStart(L"Bob folds", L"posts"));
}

TEST(FindText, FindsWhatTheLibraryFinds) {
  // Texts and needles of spaces and two letters, so that leading spaces,
  // partial matches and overlaps all occur.
  std::mt19937 random(3);
  const auto make = [&](size_t most) {
    std::wstring text(random() % (most + 1), L' ');
    for (wchar_t& c : text) c = L" ab"[random() % 3];
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::wstring text = make(40);  // long enough for several vector steps
    const std::wstring needle = make(4);
    const size_t from = random() % (text.size() + 2);
    ASSERT_EQ(FindText(text, needle, from), std::wstring_view(text).find(needle, from))
        << '"' << WideToUtf8(text) << "\" \"" << WideToUtf8(needle) << "\" " << from;
    ASSERT_EQ(RFindText(text, needle, from), std::wstring_view(text).rfind(needle, from));
  }
}

TEST(Utf8, RoundTripsEveryPlane) {
  const std::wstring text = L"Ren\u00E9 \u20AC \u00A3 \U0001F0A1 ok";
  EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
  EXPECT_EQ(WideToUtf8(L"\u20AC"), "\xE2\x82\xAC");
  // Plain runs are copied in blocks: a character of another kind anywhere in
  // or after a block, even one no code point, is encoded where it stands.
  for (size_t at = 0; at < 20; ++at) {
    const std::wstring plain(at, L'a');
    EXPECT_EQ(WideToUtf8(plain + L"\u20AC" + plain),
              std::string(at, 'a') + "\xE2\x82\xAC" + std::string(at, 'a'));
    EXPECT_EQ(WideToUtf8(plain + static_cast<wchar_t>(0xD800) + L"z"),
              std::string(at, 'a') + "\xEF\xBF\xBDz");
  }
}

TEST(Utf8, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf8ToWide("a\xFFz"), L"a\uFFFDz");
  EXPECT_EQ(Utf8ToWide("\xE2\x82"), L"\uFFFD");        // torn sequence at the end
  EXPECT_EQ(Utf8ToWide("\xC0\xAF"), L"\uFFFD");        // overlong form of '/'
  EXPECT_EQ(Utf8ToWide("\xED\xA0\x80x"), L"\uFFFDx");  // encoded surrogate
}

TEST(PathText, RoundTripsNonAsciiNames) {
  const std::wstring text = L"/hands/Ren\u00E9/\u20AC table.txt";
  EXPECT_EQ(PathToText(PathFromText(text)), text);
}

}  // namespace
}  // namespace lumora
