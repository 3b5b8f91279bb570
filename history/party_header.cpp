#include "history/party_header.h"

#include <array>

#include "history/header_date.h"
#include "history/pattern.h"

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

HandHeader ReadPartyHeader(std::wstring_view line) {
  static const boost::wregex kNoLimitHoldem(
      LR"re(([\$|€|£])(\d+.?[0-9]{0,2})/[\$|€|£](\d+.?[0-9]{0,2})\s[\w|\d|\$|\'|\s]+\-\s[\w]+\,\s(\w+)\s(\d{2})\,\s(\d{2}):(\d{2}):(\d{2})\s([\w]+)\s(\d{4}))re");
  static const boost::wregex kPotLimitOmaha(
      LR"re(([\$|€|£])(\d+.?[0-9]{0,2}) (\w+) PL Omaha \-\s[\w]+\,\s(\w+)\s(\d{2})\,\s(\d{2}):(\d{2}):(\d{2})\s([\w]+)\s(\d{4}))re");

  HandHeader header;
  LineMatch match;
  if (MatchLine(line, kNoLimitHoldem, match)) {
    header.smallBlind = CaptureAmount(match, 2);
    header.bigBlind = CaptureAmount(match, 3);
  } else if (MatchLine(line, kPotLimitOmaha, match)) {
    // Pot-limit tables are named by their buy-in, a hundred big blinds.
    header.bigBlind = CaptureAmount(match, 2) * 0.01;
    header.smallBlind = header.bigBlind * 0.5;
  } else {
    return header;
  }
  const std::wstring_view sign = CaptureView(match, 1);
  header.currency = sign == L"$"sv ? 0 : sign == L"€"sv ? 1 : 2;

  const int month = MonthFromName(CaptureView(match, 4));
  if (month == 0) return header;
  header.matched = true;
  CalendarFields fields = FieldsFromCaptures(match, 10, 4, 5, 6, 7, 8);
  fields.month = month;
  const auto time = HeaderLocalTime(fields);
  header.badDate = !time;
  header.startTime = time.value_or(0);
  return header;
}

}  // namespace lumora
