#include "stats/summary_statistics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumora {
namespace {

TEST(SummaryStatistics, TwoHandsGiveTheWorkedFigures) {
  const SummaryStatistics st = ComputeSummaryStatistics({150.0, -50.0}, 10);
  EXPECT_EQ(st.n, 2);
  EXPECT_DOUBLE_EQ(st.win, 1.0);
  EXPECT_DOUBLE_EQ(st.mean, 0.5);
  EXPECT_NEAR(st.winRate, 500.0, 1e-9);
  EXPECT_NEAR(st.s, 1.41421, 1e-5);
  EXPECT_NEAR(st.sd100, 141.42136, 1e-5);
  EXPECT_NEAR(st.var100, 20000.0, 1e-9);
  EXPECT_NEAR(st.sdHand, 14.14214, 1e-5);
  EXPECT_NEAR(st.sw, 100.0, 1e-9);
  EXPECT_NEAR(st.sigmaW2, 10000.0, 1e-9);
  EXPECT_NEAR(st.sharpe, 3.5355, 1e-4);
}

TEST(SummaryStatistics, SingleHandHasNoDeviation) {
  const SummaryStatistics st = ComputeSummaryStatistics({30.0}, 10);
  EXPECT_EQ(st.s, 0.0);
  EXPECT_EQ(st.sd100, 0.0);
  EXPECT_EQ(st.sw, 0.0);
  EXPECT_NEAR(st.winRate, 300.0, 1e-9);
  EXPECT_TRUE(std::isinf(st.sharpe));
}

TEST(SummaryStatistics, TotalScalesEachResultBeforeAdding) {
  // In binary floating point 0.1 + 0.2 is not (10 + 20) * 0.01.
  EXPECT_EQ(TotalInCurrency({10.0, 20.0}), 0.1 + 0.2);
  EXPECT_EQ(ComputeSummaryStatistics({25.0, -25.0}, 2).winRate, 0.0);
}

}  // namespace
}  // namespace lumora
