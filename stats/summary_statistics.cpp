#include "stats/summary_statistics.h"

#include <cmath>

namespace lumora {
namespace {

// Results are kept in cents while reading; the statistics work in currency
// units. Each result is scaled on its own (not the total once) so that the
// figures match a total built up hand by hand.
double ToCurrency(double cents) {
  return cents * 0.01;
}

}  // namespace

double TotalInCurrency(const std::vector<double>& resultsCents) {
  double win = 0.0;
  for (double cents : resultsCents) win += ToCurrency(cents);
  return win;
}

SummaryStatistics ComputeSummaryStatistics(const std::vector<double>& resultsCents,
                                           int64_t bigBlindCents) {
  SummaryStatistics st;
  st.n = static_cast<int32_t>(resultsCents.size());
  st.win = TotalInCurrency(resultsCents);
  st.mean = st.win / st.n;
  st.bb = bigBlindCents * 0.01;
  st.winRate = (st.mean / st.bb) * 100.0;

  // Sample deviation: one hand says nothing about the spread, so it counts as 0.
  if (st.n > 1) {
    double squares = 0.0;
    for (double cents : resultsCents) {
      const double d = ToCurrency(cents) - st.mean;
      squares += d * d;
    }
    st.s = std::sqrt(squares / (st.n - 1));
  }

  // Per 100 hands the deviation grows by sqrt(100) = 10; dividing by the big
  // blind expresses it in big blinds.
  st.sd100 = st.s * (10.0 / st.bb);
  st.var100 = st.sd100 * st.sd100;
  st.sdHand = st.sd100 * 0.1;
  st.sw = st.sd100 / std::sqrt(static_cast<double>(st.n));
  st.sigmaW2 = st.var100 / st.n;
  st.sharpe = st.winRate / st.sd100;
  return st;
}

}  // namespace lumora
