#include "history/format_detection.h"

#include <array>
#include <optional>

#include "app/run_settings.h"
#include "history/amount.h"
#include "history/banners.h"
#include "history/line_scan.h"
#include "history/party_header.h"
#include "history/pattern.h"
#include "history/poker888.h"
#include "history/stars_lines.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

constexpr std::array<std::wstring_view, 4> kStarsMarkers = {
    L"PokerStars Hand #", L"PokerStars Zoom Hand #", L"PokerStars Home Game Hand #",
    L"PokerStars Game #"};

bool HasStarsMarker(std::wstring_view line) {
  for (std::wstring_view marker : kStarsMarkers)
    if (line.find(marker) != std::wstring_view::npos) return true;
  return false;
}

/// The room whose marker opens this line, if any. A tournament hand of
/// PokerStars says nothing about the cash hands that may follow it. A "#Game
/// No :" line is written by PartyPoker and 888poker alike: the banner after
/// it decides.
std::optional<int32_t> RoomMarker(std::wstring_view line, FileFormatInfo& info) {
  if (StartsWith(line, L"Game #"sv) || IsPartyBanner(line)) return kPartyPoker;
  if (HasStarsMarker(line)) {
    if (line.find(L"Tournament"sv) == std::wstring_view::npos) return kPokerStars;
    info.tournament = true;
    return std::nullopt;
  }
  if (Is888Banner(line)) return k888Poker;
  if (StartsWith(line, L"Tiger Gaming Game #"sv)) return kTigerGaming;
  if (StartsWith(line, L"<?xml version="sv) || StartsWith(line, L"<session"sv)) return kIPoker;
  return std::nullopt;
}

int32_t CurrencyFromSign(std::wstring_view sign) {
  if (sign == L"$"sv) return kUsd;
  if (sign == L"€"sv) return kEur;
  if (sign == L"£"sv) return kGbp;
  return -1;  // no run's currency: the file is refused
}

/// The rooms that write PokerStars-style lines: a "Table " line gives the seat
/// count, the first big blind posted shows real money and the stakes.
struct TableAndBlindRule {
  const boost::wregex& table;
  const boost::wregex& blind;
  int amountCapture;
  int currencyCapture;    ///< capture of the currency sign, or 0 when the room writes none
  bool endsWithoutMatch;  ///< a big-blind line the pattern cannot read ends detection too
};

bool DetectByTableAndBlind(std::wstring_view line, FileFormatInfo& info,
                           const TableAndBlindRule& rule) {
  LineMatch match;
  if (StartsWith(line, L"Table "sv)) {
    if (MatchLine(line, rule.table, match)) info.tableSeats = CaptureInt(match, 1);
    return false;
  }
  if (!ContainsAfterStart(line, L"posts big blind"sv)) return false;
  info.realMoney = true;
  bool allIn = false;
  if (!MatchLine(WithoutActionRemarks(line, allIn), rule.blind, match))
    return rule.endsWithoutMatch;
  info.bigBlind = ReadAmountCents(CaptureView(match, rule.amountCapture)).value_or(0);
  if (rule.currencyCapture != 0)
    info.currency = CurrencyFromSign(CaptureView(match, rule.currencyCapture));
  return true;
}

/// Each room's rule for one line after its marker; true ends detection.
bool DetectPokerStars(std::wstring_view line, FileFormatInfo& info) {
  static const boost::wregex kTable(LR"re(Table '.*' (\d+)-max Seat #\d+ is the button)re");
  static const boost::wregex kBlind(
      WithAmounts(LR"re((.*): posts (small|big|small & big) blinds? (.){A})re"));
  return DetectByTableAndBlind(line, info, {kTable, kBlind, 4, 3, false});
}

bool DetectPartyPoker(std::wstring_view line, FileFormatInfo& info) {
  static const boost::wregex kPlayers(LR"re(Total number of players : \d+/(\d+))re");
  LineMatch match;
  if (StartsWith(line, L"Total number of players :"sv)) {
    if (MatchLine(line, kPlayers, match)) info.tableSeats = CaptureInt(match, 1);
    return false;
  }
  if (StartsWith(line, L"NL Texas Hold'em  Trny:"sv) ||
      StartsWith(line, L"Table Double or Nothing"sv) || StartsWith(line, L"Table WPT Step"sv)) {
    info.tournament = true;
    info.realMoney = false;
    return true;
  }
  if (ContainsAfterStart(line, L"NL Texas Hold'em -"sv) ||
      ContainsAfterStart(line, L"PL Omaha"sv)) {
    // The stakes line of the first hand: its blinds, or its buy-in.
    const HandHeader header = ReadPartyHeader(line);
    if (header.matched && info.bigBlind == 0) {
      info.bigBlind = header.bigBlindCents;
      info.currency = header.currency;
    }
    return false;
  }
  if (ContainsAfterStart(line, L"posts big blind"sv)) {
    // Play-money tables post blinds without a currency sign.
    if (line.find_first_of(L"$\u20AC\u00A3", 1) == std::wstring_view::npos) return true;
    info.realMoney = true;
    // A poster whose blind the pattern cannot read says nothing of the
    // stakes: the next big blind will.
    if (info.bigBlind != 0) return true;
    ScanCaptures blind;
    if (!ScanBracketBlind(line, blind)) return false;
    const std::wstring_view amount = blind[3];
    info.bigBlind = ReadAmountCents(amount).value_or(0);
    const size_t sign = amount.find_first_of(L"$\u20AC\u00A3");
    if (sign != std::wstring_view::npos) info.currency = CurrencyFromSign(amount.substr(sign, 1));
    return true;
  }
  if (StartsWith(line, L"Blinds("sv)) {
    info.realMoney = false;
    return true;
  }
  return false;
}

bool Detect888(std::wstring_view line, FileFormatInfo& info) {
  static const boost::wregex kSeats(LR"re(Table .* (\d+) Max .*)re");
  LineMatch match;
  if (StartsWith(line, L"Table "sv)) {
    if (MatchLine(line, kSeats, match)) info.tableSeats = CaptureInt(match, 1);
    if (line.ends_with(L"(Real Money)"sv)) info.realMoney = true;
    if (line.ends_with(L"(Play Money)"sv)) info.realMoney = false;
  } else if (StartsWith(line, L"Tournament"sv)) {
    info.tournament = true;
  } else if (ContainsAfterStart(line, L"Blinds"sv) || ContainsAfterStart(line, L"Flopomania"sv)) {
    // Flopomania has no blinds: the ante stands in for the big blind.
    const HandHeader stakes = Read888Stakes(line);
    if (stakes.matched) {
      info.currency = stakes.currency;
      info.bigBlind = stakes.bigBlindCents;
    }
  }
  return false;  // the last stakes of the file count
}

bool DetectTigerGaming(std::wstring_view line, FileFormatInfo& info) {
  static const boost::wregex kTable(LR"re(Table '.*' (\d+)-Max, Seat #\d+ is the button)re");
  static const boost::wregex kBlind(
      WithAmounts(LR"re((.*): posts (small|big|small & big) blinds? {A})re"));
  return DetectByTableAndBlind(line, info, {kTable, kBlind, 3, 0, true});
}

bool DetectIPoker(std::wstring_view line, FileFormatInfo& info) {
  if (line.find(L"<gametype>"sv) == std::wstring_view::npos) return false;
  static const boost::wregex kGameType(
      WithAmounts(LR"re(<gametype>(.*) ([\$€£])[^/<]*/[\$€£]?{A}</gametype>)re"));
  LineMatch match;
  if (SearchLine(line, kGameType, match)) {
    info.realMoney = true;
    info.currency = CurrencyFromSign(CaptureView(match, 2));
    info.bigBlind = ReadAmountCents(CaptureView(match, 3)).value_or(0);
  }
  return false;  // the last game type of the file counts
}

}  // namespace

bool DetectHistoryFormat(const TextLines& lines, FileFormatInfo& info) {
  info.realMoney = false;
  info.tableSeats = 0;
  info.bigBlind = 0;
  info.currency = 0;
  info.tournament = false;
  info.roomFound = false;
  bool roomKnown = false;
  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    if (!roomKnown) {
      const auto room = RoomMarker(line, info);
      if (!room) continue;
      info.room = *room;
      info.roomFound = roomKnown = true;
      // An XML session may be written on one line: its declaration's line
      // then holds the game type too.
      if (info.room != kIPoker) continue;
    }
    bool done = false;
    switch (info.room) {
      case kPokerStars:
        done = DetectPokerStars(line, info);
        break;
      case kPartyPoker:
        done = DetectPartyPoker(line, info);
        break;
      case k888Poker:
        done = Detect888(line, info);
        break;
      case kTigerGaming:
        done = DetectTigerGaming(line, info);
        break;
      case kIPoker:
        done = DetectIPoker(line, info);
        break;
    }
    if (done) return true;
  }
  return false;
}

}  // namespace lumora
