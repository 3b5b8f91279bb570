#include "history/amount.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(Amount, ReadsEveryClientsSeparatorsAsWholeCents) {
  EXPECT_EQ(ReadAmountCents(L"0.57"), 57);  // 0.57 * 100 in doubles is 56.99…
  EXPECT_EQ(ReadAmountCents(L"$1,013.50"), 101350);
  EXPECT_EQ(ReadAmountCents(L"\u20AC1,013.50 in chips"), 101350);
  EXPECT_EQ(ReadAmountCents(L"1 000"), 100000);
  EXPECT_EQ(ReadAmountCents(L"1'000"), 100000);
  EXPECT_EQ(ReadAmountCents(L"1.000,50"), 100050);
  EXPECT_EQ(ReadAmountCents(L"0,5 $"), 50);
  EXPECT_EQ(ReadAmountCents(L"25 $"), 2500);
  EXPECT_EQ(ReadAmountCents(L"3\u00A0023,50 $"), 302350);
  // A no-break space decoded from UTF-8 twice, as one real file has it.
  EXPECT_EQ(ReadAmountCents(L"15\u00C2\u00A0552,50 $"), 1555250);
  EXPECT_EQ(ReadAmountCents(L"$2,000,000."), 200000000);  // a sentence's full stop
}

TEST(Amount, RefusesWhatNoTableCouldHold) {
  EXPECT_EQ(ReadAmountCents(L"10,000,000,000"), kMaxAmountCents);
  EXPECT_EQ(ReadAmountCents(L"$10000000000"), kMaxAmountCents);  // the plain form, eleven digits
  EXPECT_FALSE(ReadAmountCents(L"$10000000000.01"));
  EXPECT_FALSE(ReadAmountCents(L"99999999999"));
  EXPECT_EQ(ReadAmountCents(L"$7."), 700);
  EXPECT_FALSE(ReadAmountCents(L"10,000,000,000.01"));
  EXPECT_FALSE(ReadAmountCents(L"123456789012345678901234567890"));
  EXPECT_FALSE(ReadAmountCents(L"0.125"));   // no client writes tenths of cents
  EXPECT_FALSE(ReadAmountCents(L"1,00,0"));  // nor groups of two
  EXPECT_FALSE(ReadAmountCents(L"1,000,50"));
  EXPECT_FALSE(ReadAmountCents(L"USD"));
  // More digit groups than any amount has, as a garbled line may hold.
  EXPECT_FALSE(
      ReadAmountCents(L"1.2.3.4.5.6.7.8.9.1.2.3.4.5.6.7.8.9.1.2.3.4.5.6.7.8.9.1.2.3.4.5.6"));
  HandAmounts amounts;
  EXPECT_EQ(amounts.Cents(L"1,5"), 150);
  EXPECT_EQ(amounts.Cents(L"99999999999999"), 0);
  EXPECT_EQ(amounts.Cents(L"0.125"), 0);
  EXPECT_TRUE(amounts.Failed());
  EXPECT_EQ(amounts.FirstBad(), L"99999999999999");
}

}  // namespace
}  // namespace lumora
