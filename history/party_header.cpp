#include "history/party_header.h"

#include <array>

#include "history/amount.h"
#include "history/header_date.h"
#include "history/line_scan.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

int MonthFromName(std::wstring_view name) {
  static constexpr std::array<std::wstring_view, 12> kMonths = {
      L"January", L"February", L"March",     L"April",   L"May",      L"June",
      L"July",    L"August",   L"September", L"October", L"November", L"December"};
  for (size_t i = 0; i < kMonths.size(); ++i)
    if (kMonths[i] == name) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace

HandHeader ReadPartyHeader(std::wstring_view line, LocalTimeMemo* memo) {
  // The stakes are the blinds ("$0.10/$0.25 USD") or the table's buy-in
  // ("$25 USD", "$1,000 USD"), then the game, the weekday, date, time, zone
  // and year.
  HandHeader header;
  ScanCaptures match;
  if (!ScanPartyHeader(line, match)) return header;
  HandAmounts amounts;
  const int64_t first = amounts.Cents(match[2]);
  // A table named by its buy-in seats a hundred big blinds (to the nearest cent).
  header.bigBlindCents = match.Matched(3) ? amounts.Cents(match[3]) : (first + 50) / 100;
  if (amounts.Failed()) return header;
  const std::wstring_view sign = match[1];
  header.currency = sign == L"$"sv ? 0 : sign == L"€"sv ? 1 : 2;

  const int month = MonthFromName(match[5]);
  if (month == 0) return header;
  header.matched = true;
  CalendarFields fields = FieldsFromCaptures(match, 11, 5, 6, 7, 8, 9);
  fields.month = month;
  const auto time = HeaderLocalTime(fields, memo);
  header.badDate = !time;
  header.startTime = time.value_or(0);
  return header;
}

}  // namespace lumora
