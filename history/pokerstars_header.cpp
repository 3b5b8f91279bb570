#include "history/pokerstars_header.h"

#include <array>
#include <optional>

#include "history/game_codes.h"
#include "history/header_date.h"
#include "history/pattern.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

/// PokerStars writes its Eastern times at this fixed distance from UTC.
constexpr int64_t kEasternSecondsWest = 14400;

constexpr std::wstring_view kHandMarker = L"PokerStars Hand #";
constexpr std::wstring_view kZoomMarker = L"PokerStars Zoom Hand #";

/// One header form: its pattern and where its captures stand.
struct HeaderForm {
  boost::wregex pattern;
  bool zoom;            ///< the currency comes from a sign, not a word
  int bigBlind;         ///< capture of the big blind
  int currency;         ///< capture of the currency word or sign
  int validatedFields;  ///< first capture of a date that is only checked, or 0
  int timeFields;       ///< first capture of the date that gives the time
};

const std::array<HeaderForm, 5>& HeaderForms() {
  static const std::array<HeaderForm, 5> kForms = {{
      {boost::wregex(
           LR"re(.*PokerStars Hand #\d+: (.*) \(.\d+.?[0-9]{0,2}/.(\d+.?[0-9]{0,2}) (USD|EURO|EUR|GBP)\) - (\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (\w+) \[(\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (\w+)\])re"),
       false, 2, 3, 4, 11},
      {boost::wregex(
           LR"re(.*PokerStars Hand #\d+: (.*) \([\$|€|£]\d+.?[0-9]{0,2}/[\$|€|£](\d+.?[0-9]{0,2}) (USD|EURO|EUR|GBP)\) - (\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (\w+))re"),
       false, 2, 3, 0, 4},
      {boost::wregex(
           LR"re(.*PokerStars Hand #\d+: (.*) \(\d+.?[0-9]{0,2}/(\d+.?[0-9]{0,2}) (USD|EURO|EUR|GBP)\) - (\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (\w+) \[(\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (\w+)\])re"),
       false, 2, 3, 4, 11},
      {boost::wregex(
           LR"re(.*PokerStars Zoom Hand #\d+: (.*) \(([\$|€|£])\d+.?[0-9]{0,2}/[\$|€|£](\d+.?[0-9]{0,2})\) - (\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (\w+) \[(\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (\w+)\])re"),
       true, 3, 2, 4, 11},
      {boost::wregex(
           LR"re(.*PokerStars Zoom Hand #\d+: (.*) \(([\$|€|£])\d+.?[0-9]{0,2}/[\$|€|£](\d+.?[0-9]{0,2})\) - (\d{4})/(\d{2})/(\d{2}) (\d+):(\d+):(\d+) (\w+))re"),
       true, 3, 2, 0, 4},
  }};
  return kForms;
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
  // Only the forms whose marker and brackets stand in the line can match.
  const bool zoomMarker = line.find(kZoomMarker) != std::wstring_view::npos;
  const bool handMarker = line.find(kHandMarker) != std::wstring_view::npos;
  const bool bracketed = line.find(L'[') != std::wstring_view::npos;
  for (const HeaderForm& form : HeaderForms()) {
    if (!(form.zoom ? zoomMarker : handMarker)) continue;
    if (form.validatedFields != 0 && !bracketed) continue;
    if (!MatchLine(line, form.pattern, match)) continue;
    header.gameName = Trim(CaptureView(match, 1));
    header.bigBlind = CaptureAmount(match, form.bigBlind);
    header.currency = form.zoom ? CurrencyFromSign(CaptureView(match, form.currency))
                                : CurrencyFromWord(CaptureView(match, form.currency));
    header.zoom = form.zoom ? 1 : 0;
    // A date with a field out of range is as good as no date: time 0.
    if (form.validatedFields != 0 &&
        !HeaderTimeAtOffset(FieldsFromCaptures(match, form.validatedFields), 0))
      return header;
    const auto time =
        HeaderTimeAtOffset(FieldsFromCaptures(match, form.timeFields), kEasternSecondsWest);
    if (time && IsTakenGame(GetTypeGameHH(header.gameName), games)) {
      header.taken = true;
      header.startTime = *time;
    }
    return header;
  }
  return header;
}

}  // namespace lumora
