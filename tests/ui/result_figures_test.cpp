// The figures a result window shows: the calculator's bankrolls, the list's
// colours and sorting, the results graph's lines.

#include <gtest/gtest.h>

#include "ui/list_model.h"
#include "ui/results_series.h"
#include "ui/risk_calculator.h"

namespace lumora {
namespace {

CalculatorFields Typed(const wchar_t* winRate, const wchar_t* deviation, const wchar_t* risk) {
  return {L"1000", L"50.00", winRate, deviation, risk};
}

TEST(RiskCalculator, BankrollsFromTheTypedFigures) {
  const RunSpread run{100.0, 10000};
  const auto line = ResultLine(Typed(L"5", L"1", L"30"), run);
  EXPECT_EQ(line[3], L"12.04");  // ln(0.3) * -(10 * 10 * 0.5 / 5)
  const auto table = RiskTable(Typed(L"5", L"1", L"30"), run);
  EXPECT_EQ(table[kNonProRow][0], L"5%");
  EXPECT_EQ(table[kNonProRow][3], L"NonPro");
  EXPECT_EQ(table[kProRow][0], L"1%");
  EXPECT_EQ(table[kProRow][3], L"Pro");
  EXPECT_EQ(table[8][0], L"0.01%");
}

TEST(RiskCalculator, NoRiskOrNoWinRateShowsWhatTheArithmeticGives) {
  const RunSpread run{100.0, 10000};
  EXPECT_EQ(ResultLine(Typed(L"5", L"1", L"0"), run)[3], L"inf");
  EXPECT_EQ(ResultLine(Typed(L"5", L"1", L""), run)[3], L"inf");
  EXPECT_EQ(ResultLine(Typed(L"0", L"0", L"30"), run)[3].find(L"nan") != std::wstring::npos, true);
}

TEST(ListColours, ACellBeatsItsRowAndARowItsColumn) {
  ListColours colours;
  colours.SetDefaults({0xFFFFFF, 0x000000});
  colours.SetColumn(0, {0x00FF00, kUnsetColour});
  colours.Row(1).background = 0xFF0000;
  colours.Cell(1, 2).background = 0x0000FF;
  colours.Row(2).text = 0x808080;  // text only: on the default background
  EXPECT_EQ(colours.Resolve(1, 2).background, 0x0000FFu);
  EXPECT_EQ(colours.Resolve(1, 1).background, 0xFF0000u);
  EXPECT_EQ(colours.Resolve(1, 1).text, 0x000000u);
  EXPECT_EQ(colours.Resolve(3, 0).background, 0x00FF00u);
  EXPECT_EQ(colours.Resolve(2, 0).background, 0xFFFFFFu);
  EXPECT_EQ(colours.Resolve(2, 0).text, 0x808080u);
  colours.Row(1);
  EXPECT_EQ(colours.RowRecords(), 2u);  // asking again keeps one record
}

TEST(CompareCells, NumbersByValueTextsByTheirType) {
  EXPECT_LT(CompareCells(SortType::kDecimal, L"0.5", L"0.7"), 0);
  EXPECT_GT(CompareCells(SortType::kInteger, L"10", L"9"), 0);
  EXPECT_LT(CompareCells(SortType::kText, L"Pro", L"pro"), 0);
  EXPECT_EQ(CompareCells(SortType::kTextNoCase, L"Pro", L"pro"), 0);
  EXPECT_GT(CompareCells(SortType::kSeparatedNumber, L"1,200", L"999"), 0);
  EXPECT_LT(CompareCells(SortType::kDate, L"31.12.2023", L"01.01.2024"), 0);
}

TEST(ResultsSeries, NetWonInBigBlindsInTimeOrderWithAllInsAtTheirEv) {
  HandResultStore hands = {
      {L"late", 300, 10, 500.0, 2.0},    // 50 big blinds won, EV 2.00 = 20 big blinds
      {L"early", 100, 10, -100.0, {}},   // -10
      {L"no blind", 200, 0, 900.0, {}},  // counts as a hand, adds nothing
  };
  const ResultsSeries series = MakeResultsSeries(GraphHandsOf(hands));
  ASSERT_EQ(series.won.size(), 3u);
  EXPECT_EQ(series.won[0].y, -10);
  EXPECT_EQ(series.won[1].y, -10);
  EXPECT_EQ(series.won[2].y, 40);
  EXPECT_EQ(series.won[2].x, 3);
  EXPECT_EQ(series.allInAdjusted[2].y, 10);
}

}  // namespace
}  // namespace lumora
