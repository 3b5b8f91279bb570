// Every parser of a single line or text, on every line of the input:
// amounts, dates, cards, hand numbers, game names and the rooms' headers;
// every line scanner against the pattern that defines it; and the header
// scanner that remembers the last header, line after line, against a fresh scan.

#include "app/game_kinds.h"
#include "base/history_file.h"
#include "base/local_time.h"
#include "equity/cards.h"
#include "fuzz/fuzz_support.h"
#include "history/amount.h"
#include "history/card_text.h"
#include "history/game_codes.h"
#include "history/history_hands.h"
#include "history/line_scan.h"
#include "history/party_header.h"
#include "history/pattern.h"
#include "history/poker888.h"
#include "history/pokerstars_header.h"
#include "history/tiger_gaming.h"

namespace lumora {
namespace {

/// A scanner answers what its pattern answers, with the same captures.
void RequireScannersAgree(std::wstring_view line) {
  struct Compiled {
    boost::wregex pattern;
    bool (*scan)(std::wstring_view, ScanCaptures&);
  };
  static const std::vector<Compiled> kScanners = [] {
    std::vector<Compiled> compiled;
    for (const LineScanner& scanner : LineScanners())
      compiled.push_back({boost::wregex(scanner.pattern), scanner.scan});
    return compiled;
  }();
  LineMatch match;
  ScanCaptures captures;
  for (const Compiled& scanner : kScanners) {
    const bool matched = MatchLine(line, scanner.pattern, match);
    Require(scanner.scan(line, captures) == matched);
    for (int i = 0; matched && i <= static_cast<int>(scanner.pattern.mark_count()); ++i)
      Require(captures[i] == CaptureView(match, i) && captures.Matched(i) == match[i].matched);
  }
}

/// The header scanner that remembers the last header answers as a fresh
/// scan, with captures that view the line it is given.
void RequireRememberedHeaderAgrees(StarsHeaderScanner& scanner, std::wstring_view line) {
  ScanCaptures fresh;
  ScanCaptures remembered;
  const bool matched = ScanStarsHeader(line, fresh);
  Require(scanner.Scan(line, remembered) == matched && remembered == fresh);
}

void RequireHeader(const HandHeader& header) {
  Require(header.bigBlindCents >= 0 && header.bigBlindCents <= kMaxAmountCents);
  Require(!header.badDate || header.matched);
}

void ReadLine(std::wstring_view line) {
  if (const auto cents = ReadAmountCents(line)) Require(*cents >= 0 && *cents <= kMaxAmountCents);
  if (const auto time = GetTimeFromString(line))
    Require(FormatLocalTime(*time, L"%d.%m.%Y %H:%M:%S").has_value());
  (void)CardText(line);
  (void)IPokerCardText(line);
  for (const int card : ParseHistoryCards(line).cards) Require(card >= 0 && card < 52);
  for (const int card : ParseTypedCards(line).cards) Require(card >= 0 && card < 52);
  for (const wchar_t c : HandIdOf(line)) Require(c >= L'0' && c <= L'9');
  (void)GetTypeGameHH(line);
  const PokerStarsHeader stars = ReadPokerStarsHeader(line, AllGamesSelected());
  Require(stars.bigBlindCents >= 0 && stars.bigBlindCents <= kMaxAmountCents);
  RequireHeader(ReadPartyHeader(line));
  RequireHeader(Read888Header(line));
  RequireHeader(Read888Stakes(line));
  RequireHeader(ReadTigerHeader(line));
  RequireScannersAgree(line);
}

}  // namespace

void ReadLines(std::span<const uint8_t> input) {
  const std::wstring text = DecodeHistoryText(BytesOf(input));
  StarsHeaderScanner headers;
  for (const std::wstring_view line : SplitLines(text)) {
    ReadLine(line);
    RequireRememberedHeaderAgrees(headers, line);
    // The same line with other digits: the scanner's answer from memory.
    std::wstring digits(line);
    for (wchar_t& c : digits)
      if (c >= L'0' && c <= L'9') c = static_cast<wchar_t>(L'0' + (c - L'0' + 3) % 10);
    RequireRememberedHeaderAgrees(headers, digits);
  }
}

}  // namespace lumora
