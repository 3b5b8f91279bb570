#include "history/pokerstars_header.h"

#include <array>
#include <optional>

#include "base/local_time.h"
#include "history/amount.h"
#include "history/game_codes.h"
#include "history/header_date.h"
#include "history/line_scan.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

/// PokerStars writes its Eastern times at this fixed distance from UTC.
constexpr int64_t kEasternSecondsWest = 14400;

/// The currency word after the big blind ("$0.10 USD"), if any.
std::wstring_view CurrencyWordOf(std::wstring_view bigBlind) {
  for (std::wstring_view word : {L"EURO"sv, L"EUR"sv, L"GBP"sv, L"USD"sv})
    if (EndsWith(bigBlind, word)) return word;
  return {};
}

int32_t CurrencyFromWord(std::wstring_view word) {
  if (word == L"EURO"sv || word == L"EUR"sv) return 1;
  if (word == L"GBP"sv) return 2;
  return 0;
}

int32_t CurrencyFromSign(std::wstring_view sign) {
  if (sign == L"€"sv) return 1;
  if (sign == L"£"sv) return 2;
  return 0;
}

}  // namespace

bool IsTakenGame(int code, const GameFlags& games) {
  static constexpr std::array<int, 6> kTaken = {2, 7, 10, 13, 14, 16};
  for (int taken : kTaken)
    if (code == taken) return IsGameSelected(games, code);
  return false;
}

PokerStarsHeader ReadPokerStarsHeader(std::wstring_view line, const GameFlags& games,
                                      StarsHeaderScanner* scanner) {
  PokerStarsHeader header;
  ScanCaptures match;
  if (!(scanner ? scanner->Scan(line, match) : ScanStarsHeader(line, match))) return header;
  header.gameName = TrimView(match[2]);
  const std::wstring_view bigBlind = match[4];
  header.bigBlindCents = ReadAmountCents(bigBlind).value_or(0);
  header.zoom = match.Matched(1) ? 1 : 0;
  const std::wstring_view word = CurrencyWordOf(bigBlind);
  header.currency = !word.empty() ? CurrencyFromWord(word) : CurrencyFromSign(match[3]);
  // With two dates the bracketed Eastern one gives the time and the table's
  // is only checked; a date with a field out of range is as good as none.
  const bool bracketed = match.Matched(12);
  if (bracketed && !FieldsInRange(FieldsFromCaptures(match, 5))) return header;
  const auto time =
      HeaderTimeAtOffset(FieldsFromCaptures(match, bracketed ? 12 : 5), kEasternSecondsWest);
  if (time && IsTakenGame(GetTypeGameHH(header.gameName), games)) {
    header.taken = true;
    header.startTime = *time;
  }
  return header;
}

}  // namespace lumora
