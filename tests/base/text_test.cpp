#include "base/text.h"

#include <gtest/gtest.h>

#include <climits>

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

TEST(ContainsAfterStart, IgnoresAHitAtTheVeryStart) {
  EXPECT_TRUE(ContainsAfterStart(L"Bob: posts big blind $2", L"posts big blind"));
  EXPECT_FALSE(ContainsAfterStart(L"posts big blind $2", L"posts big blind"));
  EXPECT_FALSE(ContainsAfterStart(L"Bob folds", L"posts"));
}

TEST(Utf8, RoundTripsEveryPlane) {
  const std::wstring text = L"Ren\u00E9 \u20AC \u00A3 \U0001F0A1 ok";
  EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
  EXPECT_EQ(WideToUtf8(L"\u20AC"), "\xE2\x82\xAC");
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
