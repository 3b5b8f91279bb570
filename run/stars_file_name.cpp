#include "run/stars_file_name.h"

#include <boost/regex.hpp>
#include <string>

#include "base/text.h"
#include "history/amount.h"

namespace lumora {
namespace {

int32_t CurrencyFromWord(const std::wstring& word) {
  if (word == L"EURO" || word == L"EUR") return 1;
  if (word == L"GBP") return 2;
  return 0;
}

}  // namespace

bool ParseStarsFileName(std::wstring_view fileName, int64_t& bigBlindCents, int32_t& currency) {
  static const boost::wregex kPlain(
      LR"(HH\d+ (.*) - [\$|€|£]\d+.?[0-9]{0,2}-[\$|€|£](\d+.?[0-9]{0,2}) - (USD|EURO|EUR|GBP) (.*)\.txt)");
  static const boost::wregex kAnte(
      LR"(HH\d+ (.*) - [\$|€|£]\d+.?[0-9]{0,2}-[\$|€|£](\d+.?[0-9]{0,2}) Ante [\$|€|£]\d+.?[0-9]{0,2} - (USD|EURO|EUR|GBP) (.*)\.txt)");
  boost::wcmatch match;
  const wchar_t* begin = fileName.data();
  const wchar_t* end = begin + fileName.size();
  if (!boost::regex_match(begin, end, match, kPlain) &&
      !boost::regex_match(begin, end, match, kAnte))
    return false;
  bigBlindCents = ReadAmountCents(match.str(2)).value_or(0);
  currency = CurrencyFromWord(match.str(3));
  return true;
}

}  // namespace lumora
