#pragma once
// The calculator of a result window: the bankroll a risk of ruin needs, from
// the win rate, deviation and risk the player types, once with the win rate
// taken as exact (ROR) and once allowing for its uncertainty (RORU), the
// latter with the variance and hand count of the run that opened the window.
// The view shows these texts; nothing here knows a window.

#include <array>
#include <cstdint>
#include <string>

#include "app/run_summary.h"
#include "stats/risk_of_ruin.h"

namespace lumora {

/// The five fields of the calculator as texts, read as _wtof reads them.
struct CalculatorFields {
  std::wstring hands;      ///< "Total Hands"
  std::wstring netWon;     ///< "Net Won", currency units
  std::wstring winRate;    ///< "Win Rate", big blinds per 100 hands
  std::wstring deviation;  ///< "Standard Deviation", big blinds per hand
  std::wstring risk;       ///< "Risk of Ruin (%)"
};

/// The fields right after a run: its hands, net won, win rate and deviation
/// ("%d", "%.2lf") and a risk of 30.00.
CalculatorFields InitialFields(const RunSummary& run);

/// What the uncertain-win-rate bankroll takes from the run: its variance
/// per 100 hands (big blinds squared) and its hand count.
struct RunSpread {
  double var100 = 0.0;
  int32_t hands = 0;
};

/// The bankrolls in big blinds for a risk of `riskPercent`: ROR from the
/// typed win rate and deviation; RORU searched from [ROR, ROR + 20] to 0.1
/// big blinds with the typed win rate and the run's spread. A risk of 0 or
/// a win rate of 0 give what the arithmetic gives (inf, nan), never a fault.
struct Bankrolls {
  double ror = 0.0;
  double roru = 0.0;
};
Bankrolls BankrollsFor(const CalculatorFields& fields, double riskPercent, const RunSpread& run);

/// The result line: win rate, deviation and risk as typed, then "%.2f" of
/// both bankrolls for the typed risk.
std::array<std::wstring, 5> ResultLine(const CalculatorFields& fields, const RunSpread& run);

/// The risk table's rows of the risk levels 50% to 0.01%: the level
/// ("5%"), "%.2f" of both bankrolls, and "NonPro" on the 5% row, "Pro" on
/// the 1% row.
inline constexpr int kRiskTableRows = static_cast<int>(kRiskLevels.size());
using RiskTableRow = std::array<std::wstring, 4>;
std::array<RiskTableRow, kRiskTableRows> RiskTable(const CalculatorFields& fields,
                                                   const RunSpread& run);

/// Rows of the risk table that are marked, and their background colours
/// (red, green, blue).
inline constexpr int kNonProRow = 3;  ///< 5%
inline constexpr int kProRow = 5;     ///< 1%
inline constexpr uint32_t kNonProColour = 0x99A0FA;
inline constexpr uint32_t kProColour = 0xF7813F;

/// The risk table as CSV: a header line and one line per row.
std::string RiskTableCsv(const std::array<RiskTableRow, kRiskTableRows>& table);

}  // namespace lumora
