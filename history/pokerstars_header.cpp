#include "history/pokerstars_header.h"

#include <array>
#include <optional>

#include "history/amount.h"
#include "history/game_codes.h"
#include "history/header_date.h"
#include "history/pattern.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

/// PokerStars writes its Eastern times at this fixed distance from UTC.
constexpr int64_t kEasternSecondsWest = 14400;

/// Every header form in one pattern: "Hand #" or the client's older "Game
/// #", a Zoom marker, stakes with or without signs and currency word, a cap
/// ("- $40 Cap -"), the table's date and, in most files, the Eastern one in
/// brackets. Captures: 1 Zoom, 2 game, 3 sign, 4 big blind, 5 cap, 6 currency
/// word, 7-12 the first date, 14-19 the bracketed date.
const boost::wregex& HeaderPattern() {
  static const boost::wregex kHeader(WithAmounts(
      LR"re(.*PokerStars (Zoom )?(?:Hand|Game) #\d+:\s+(.*) \(([^\d\s/]?)\d[^/]*/[^\d\s]?{A}(?: - [^\d\s]?{A} Cap -)?(?:\s*(USD|EURO|EUR|GBP))?\) - (\d{4})/(\d{1,2})/(\d{1,2}) (\d+):(\d+):(\d+) (\w+)(?: \[(\d{4})/(\d{1,2})/(\d{1,2}) (\d+):(\d+):(\d+) (\w+)\])?)re"));
  return kHeader;
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

PokerStarsHeader ReadPokerStarsHeader(std::wstring_view line, const GameFlags& games) {
  PokerStarsHeader header;
  LineMatch match;
  if (line.find(L"PokerStars "sv) == std::wstring_view::npos ||
      !MatchLine(line, HeaderPattern(), match))
    return header;
  header.gameName = Trim(CaptureView(match, 2));
  header.bigBlind = static_cast<double>(ReadAmountCents(CaptureView(match, 4)).value_or(0)) * 0.01;
  header.zoom = match[1].matched ? 1 : 0;
  header.currency = match[6].matched ? CurrencyFromWord(CaptureView(match, 6))
                                     : CurrencyFromSign(CaptureView(match, 3));
  // With two dates the bracketed Eastern one gives the time and the table's
  // is only checked; a date with a field out of range is as good as none.
  const bool bracketed = match[14].matched;
  if (bracketed && !HeaderTimeAtOffset(FieldsFromCaptures(match, 7), 0)) return header;
  const auto time =
      HeaderTimeAtOffset(FieldsFromCaptures(match, bracketed ? 14 : 7), kEasternSecondsWest);
  if (time && IsTakenGame(GetTypeGameHH(header.gameName), games)) {
    header.taken = true;
    header.startTime = *time;
  }
  return header;
}

}  // namespace lumora
