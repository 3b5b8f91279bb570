#include "stats/risk_of_ruin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/text.h"

namespace lumora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Win rate 10 bb/100, deviation 100 bb/100, 10000 hands: the win rate is
// known to within 1 bb/100.
constexpr double kWr = 10.0;
constexpr double kVar = 10000.0;
constexpr int32_t kHands = 10000;

std::wstring Printed(double value) {
  return Format(L"%.2lf", value);
}

TEST(RiskOfRuin, PlainBankrollAndRiskAreInverse) {
  EXPECT_EQ(Printed(BankrollForROR(0.05, 5.0, kVar)), L"2995.73");
  double ror = 0.0;
  RiskOfRuinU(5.0, 3000.0, kVar, kHands, &ror);
  EXPECT_DOUBLE_EQ(ror, std::exp(-3.0));
}

TEST(RiskOfRuin, HugeBankrollGivesTheChanceOfNoEdgeNotNaN) {
  // The second term's exp() overflows while its other factor is 0.
  EXPECT_DOUBLE_EQ(RiskOfRuinU(1.0, 1e7, kVar, 2500), (std::erf(-0.5) + 1.0) * 0.5);
  EXPECT_EQ(RiskOfRuinU(kWr, 1e6, kVar, kHands), 0.0);
}

TEST(RorCurves, MatchTheWorkedPointsAndEndInZeros) {
  const RorCurve c = ComputeRorCurves(kWr, kVar, kHands);
  const auto point = [&](int k) {
    return Printed(c.ror[k - 1].y) + L"/" + Printed(c.roru[k - 1].y);
  };
  EXPECT_EQ(point(1), L"81.87/81.89");
  EXPECT_EQ(point(2), L"67.03/67.09");
  EXPECT_EQ(point(3), L"54.88/54.98");
  EXPECT_EQ(point(35), L"0.09/0.00");
  for (int k = 36; k <= kRorCurvePoints; ++k) EXPECT_EQ(point(k), L"0.00/0.00") << k;
  EXPECT_EQ(c.roru[99].x, 100.0f);
}

TEST(RorCurves, NoPositiveWinRateMeansCertainRuin) {
  for (double wr : {0.0, -3.0}) {
    const RorCurve c = ComputeRorCurves(wr, kVar, kHands);
    for (int k = 0; k < kRorCurvePoints; ++k) EXPECT_EQ(c.ror[k].y + c.roru[k].y, 200.0f);
  }
}

TEST(BankrollTable, EveryRoruBankrollIsTheSmallestMeetingItsRisk) {
  const auto table = ComputeBankrollTable(kWr, kVar, kHands);
  EXPECT_EQ(table[3].riskPercent, 5.0);
  EXPECT_EQ(Printed(table[3].rorBankroll), L"1497.87");
  EXPECT_NEAR(table[3].roruBankroll, 1521.0, 1.0);
  for (const BankrollLine& line : table) {
    const double risk = line.riskPercent * 0.01;
    EXPECT_LE(RiskOfRuinU(kWr, line.roruBankroll, kVar, kHands), risk);
    EXPECT_GT(RiskOfRuinU(kWr, line.roruBankroll - 1.0, kVar, kHands), risk);
  }
  for (const BankrollLine& line : ComputeBankrollTable(0.0, kVar, kHands))
    EXPECT_EQ(line.rorBankroll + line.roruBankroll, kInf);
}

TEST(BankrollForRORU, UnreachableTargetIsInfinite) {
  // Win rate 1 +- 2 bb/100: a 31% chance that there is no edge at all.
  const double floor = (std::erf(-0.5) + 1.0) * 0.5;
  for (double target : {0.05, floor, 0.0})
    EXPECT_EQ(BankrollForRORU(100.0, 200.0, 1.0, 1.0, target, kVar, 2500), kInf);
  EXPECT_EQ(BankrollForRORU(100.0, 200.0, 1.0, -2.0, 0.5, kVar, kHands), kInf);
  EXPECT_EQ(BankrollForRORU(100.0, 200.0, 1.0, kWr, 0.05, kVar, -1), kInf);
  EXPECT_EQ(Printed(kInf), L"inf");
}

TEST(BankrollForRORU, AnyStartAndToleranceEnds) {
  const double expected = BankrollForRORU(1497.87, 2995.73, 1e-6, kWr, 0.05, kVar, kHands);
  for (double lo : {0.0, 5000.0, -100.0})
    for (double hi : {0.0, 1e-300, 1e6, -50.0})
      EXPECT_NEAR(BankrollForRORU(lo, hi, 1e-6, kWr, 0.05, kVar, kHands), expected, 1e-5);
  EXPECT_NEAR(BankrollForRORU(1000.0, 2000.0, 0.0, kWr, 0.05, kVar, kHands), expected, 1e-5);
  EXPECT_EQ(BankrollForRORU(kInf, kInf, 1.0, kWr, 0.05, kVar, kHands), kInf);
  EXPECT_LT(BankrollForRORU(100.0, 200.0, 1.0, kWr, 1.5, kVar, kHands), 1.0);
}

TEST(BankrollForRORU, DegenerateInputsEnd) {
  EXPECT_TRUE(std::isnan(BankrollForRORU(100.0, 200.0, 1.0, kNaN, 0.05, kVar, kHands)));
  EXPECT_TRUE(std::isnan(BankrollForRORU(100.0, 200.0, kNaN, kWr, 0.05, kVar, kHands)));
  // Without variance no bankroll is at risk.
  EXPECT_EQ(BankrollForRORU(0.0, 0.0, 1.0, kWr, 0.05, 0.0, kHands), 0.0);
  // No hands: the risk cannot be worked out, but the search still returns.
  BankrollForRORU(100.0, 200.0, 1.0, kWr, 0.6, kVar, 0);
}

}  // namespace
}  // namespace lumora
