#include "ui/risk_calculator.h"

#include "base/text.h"

namespace lumora {

CalculatorFields InitialFields(const RunSummary& run) {
  return {Format(L"%d", run.m_nHands), Format(L"%.2lf", run.m_dWin),
          Format(L"%.2lf", run.m_dWinRate), Format(L"%.2lf", run.m_dSD), Format(L"%.2lf", 30.0)};
}

Bankrolls BankrollsFor(const CalculatorFields& fields, double riskPercent, const RunSpread& run) {
  const double winRate = ParseAmount(fields.winRate);
  // The deviation is per hand; a hundred hands spread ten times as far.
  const double deviation100 = ParseAmount(fields.deviation) * 10;
  const double ror = BankrollForROR(riskPercent * 0.01, winRate, deviation100 * deviation100);
  return {ror, BankrollForRORU(ror, ror + 20.0, 0.1, winRate, riskPercent * 0.01, run.var100,
                               run.hands)};
}

std::array<std::wstring, 5> ResultLine(const CalculatorFields& fields, const RunSpread& run) {
  const Bankrolls b = BankrollsFor(fields, ParseAmount(fields.risk), run);
  return {fields.winRate, fields.deviation, fields.risk, Format(L"%.2f", b.ror),
          Format(L"%.2f", b.roru)};
}

std::array<RiskTableRow, kRiskTableRows> RiskTable(const CalculatorFields& fields,
                                                   const RunSpread& run) {
  std::array<RiskTableRow, kRiskTableRows> table;
  for (size_t row = 0; row < table.size(); ++row) {
    const double level = kRiskLevels[row];
    const Bankrolls b = BankrollsFor(fields, level, run);
    table[row] = {Format(L"%g%%", level), Format(L"%.2f", b.ror), Format(L"%.2f", b.roru),
                  row == kNonProRow ? L"NonPro"
                  : row == kProRow  ? L"Pro"
                                    : L""};
  }
  return table;
}

std::string RiskTableCsv(const std::array<RiskTableRow, kRiskTableRows>& table) {
  std::string csv = "risk_of_ruin,bankroll_ror_bb,bankroll_roru_bb,mark\n";
  for (const RiskTableRow& row : table)
    csv += WideToUtf8(row[0] + L"," + row[1] + L"," + row[2] + L"," + row[3] + L"\n");
  return csv;
}

}  // namespace lumora
