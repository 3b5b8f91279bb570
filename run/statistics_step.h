#pragma once
// The end of a run once its hands are collected: the totals, the win rate and
// deviation, the risk of ruin and the bankroll table, each with its report
// lines, and the comparison refresh.

#include <cstdint>
#include <vector>

namespace lumora {

class CLumoraApp;
class RunReport;
class UserInterface;

/// Reports the totals of the hands' results (in cents, in run order) and,
/// with a single big blind (`CashLimit` nonzero) and no loss, the win rate,
/// deviation and Sharpe ratio; stores them in the run summary and the limit
/// results. `runBigBlind` in cents. Returns false when the run ends here (all
/// big blinds, or a loss after its message).
bool ReportStatistics(CLumoraApp& app, RunReport& report, UserInterface& ui,
                      const std::vector<double>& cents, int64_t runBigBlind);

/// Fills the risk-of-ruin curves from the run summary and reports the
/// bankroll for the nine risk levels (in big blinds, and in currency units
/// with the run big blind in cents).
void ReportRiskOfRuin(CLumoraApp& app, RunReport& report, int64_t runBigBlind);

/// Recomputes the comparison of the two chosen limits and shows it when
/// there is something to show. Returns true when both limits were found.
bool RefreshComparisonDisplay(const CLumoraApp& app, UserInterface& ui);

}  // namespace lumora
