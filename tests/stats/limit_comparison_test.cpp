#include "stats/limit_comparison.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumora {
namespace {

constexpr int32_t kUsd = 0;

// BB10 SH with Sharpe ratio 0.5 and BB20 FR with 1.0, both in dollars.
LimitResultMap TwoLimits() {
  LimitResultMap map;
  UpdateLimitResult(map, {10, 2, kUsd}, 10, 5.0, 10.0);
  UpdateLimitResult(map, {20, 3, kUsd}, 20, 10.0, 10.0);
  return map;
}

TEST(LimitComparison, MixFollowsSquaredSharpeRatios) {
  const auto c = RefreshComparison(TwoLimits(), {10, 2, 20, 3, kUsd});
  ASSERT_TRUE(c.has_value());
  EXPECT_DOUBLE_EQ(c->sharpe1, 0.5);
  EXPECT_DOUBLE_EQ(c->sharpe2, 1.0);
  EXPECT_DOUBLE_EQ(c->mix1, 20.0);
  EXPECT_DOUBLE_EQ(c->mix2, 80.0);
  // sigma 1 and 2, mu 0.5 and 2 dollars per 100 hands: ((1 - 4) / -1.5 + 2.5) / 2.
  EXPECT_DOUBLE_EQ(c->cutoff, 2.25);
  EXPECT_TRUE(c->show);
}

TEST(LimitComparison, MissingLimitGivesNothing) {
  EXPECT_FALSE(RefreshComparison({}, {10, 2, 20, 3, kUsd}));
  EXPECT_FALSE(RefreshComparison(TwoLimits(), {10, 2, 50, 3, kUsd}));
  EXPECT_FALSE(RefreshComparison(TwoLimits(), {10, 2, 20, 3, kUsd + 1}));
  LimitResultMap noBigBlind = TwoLimits();
  noBigBlind.begin()->second.bigBlind = 0;
  EXPECT_FALSE(RefreshComparison(noBigBlind, {10, 2, 20, 3, kUsd}));
}

TEST(LimitComparison, LimitAgainstItselfSplitsEvenlyWithoutCutoff) {
  const auto c = RefreshComparison(TwoLimits(), {20, 3, 20, 3, kUsd});
  ASSERT_TRUE(c.has_value());
  EXPECT_EQ(c->sharpe1, c->sharpe2);
  EXPECT_DOUBLE_EQ(c->mix1, 50.0);
  EXPECT_DOUBLE_EQ(c->mix2, 50.0);
  EXPECT_TRUE(std::isnan(c->cutoff));
  EXPECT_TRUE(c->show);

  LimitResultMap single = TwoLimits();
  single.erase(single.begin());
  EXPECT_FALSE(RefreshComparison(single, {20, 3, 20, 3, kUsd})->show);
}

}  // namespace
}  // namespace lumora
