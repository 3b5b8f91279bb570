#include "run/statistics_step.h"

#include <vector>

#include "app/lumora_app.h"
#include "app/run_report.h"
#include "app/user_interface.h"
#include "base/text.h"
#include "stats/limit_comparison.h"
#include "stats/risk_of_ruin.h"
#include "stats/summary_statistics.h"

namespace lumora {

bool ReportStatistics(CLumoraApp& app, RunReport& report, UserInterface& ui,
                      const std::vector<double>& cents, int64_t runBigBlind) {
  const int32_t n = static_cast<int32_t>(cents.size());
  const double win = TotalInCurrency(cents);

  const RunSummary& s = app.m_summary;
  report.Report(Format(L"Summary: nHands = %d Win = %.2lf\n", n, win));
  report.Report(Format(L"Summary all-in (money): nHands = %d Win = %.2lf EV = %.2lf diff = %.2lf\n",
                       s.m_nAllInHands, s.m_dAllInWin, s.m_dAllInEV, s.m_dAllInDiff));
  report.Report(Format(L"Summary all-in (BBs): nHands = %d Win = %.2lf EV = %.2lf diff = %.2lf\n",
                       s.m_nAllInHands, s.m_dAllInWinBB, s.m_dAllInEVBB, s.m_dAllInDiffBB));

  // Without one big blind there is no unit to express a win rate in.
  if (app.m_settings.CashLimit == 0) return false;

  const SummaryStatistics stats = ComputeSummaryStatistics(cents, runBigBlind);
  report.Report(
      Format(L"Summary: nHands = %d Win = %.2lf WinRate = %.2lf\n", n, stats.win, stats.winRate));
  if (stats.win < 0) {
    report.ReportOutputFirst(Format(L"Summary: BB %d nHands = %d Win = %.2lf WinRate = %.2lf\n",
                                    runBigBlind, n, stats.win, stats.winRate));
    ui.ShowMessage(L"Your Win Rate < 0! Analysis is useless!");
    return false;
  }

  RunSummary& summary = app.m_summary;
  summary.m_dVar = stats.var100;
  summary.m_nHands = n;
  summary.m_dWin = stats.win;
  summary.m_dWinRate = stats.winRate;
  summary.m_dSD = stats.sdHand;

  const RunSettings& settings = app.m_settings;
  UpdateLimitResult(app.m_limitResults, {settings.CashLimit, settings.NumPl, settings.Currency},
                    runBigBlind, stats.winRate, stats.sd100);

  report.ReportOutputFirst(
      Format(L"Summary: BB %d nHands = %d Win = %.2lf WinRate = %.2lf sv = %.2lf sw = %.2lf Sharpe "
             L"ratio = %.2lf\n",
             runBigBlind, n, stats.win, stats.winRate, stats.sdHand, stats.sw, stats.sharpe));
  return true;
}

void ReportRiskOfRuin(CLumoraApp& app, RunReport& report, int64_t runBigBlind) {
  const RunSummary& s = app.m_summary;
  app.m_rorCurve = ComputeRorCurves(s.m_dWinRate, s.m_dVar, s.m_nHands);
  const double bb = runBigBlind * 0.01;
  for (const BankrollLine& line : ComputeBankrollTable(s.m_dWinRate, s.m_dVar, s.m_nHands))
    report.OutputOnly(
        Format(L"RoR = %.2lf Bankroll (ROR) =  %.2lf BB (%.2lf $) Bankroll (RORU) =  %.2lf BB "
               L"(%.2lf $) \n",
               line.riskPercent, line.rorBankroll, line.rorBankroll * bb, line.roruBankroll,
               line.roruBankroll * bb));
}

bool RefreshComparisonDisplay(const CLumoraApp& app, UserInterface& ui) {
  const RunSettings& settings = app.m_settings;
  const auto comparison = RefreshComparison(
      app.m_limitResults, {settings.CashLimit_0, settings.NumPl_0, settings.CashLimit_1,
                           settings.NumPl_1, settings.CurrencyCompare});
  if (!comparison) return false;
  if (comparison->show) ui.ShowComparison(*comparison);
  return true;
}

}  // namespace lumora
