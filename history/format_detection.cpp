#include "history/format_detection.h"

#include <array>
#include <optional>

#include "app/run_settings.h"
#include "history/pattern.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

constexpr std::array<std::wstring_view, 3> kStarsMarkers = {
    L"PokerStars Hand #", L"PokerStars Zoom Hand #", L"PokerStars Home Game Hand #"};

bool HasStarsMarker(std::wstring_view line) {
  for (std::wstring_view marker : kStarsMarkers)
    if (line.find(marker) != std::wstring_view::npos) return true;
  return false;
}

/// The room whose marker opens this line, if any. A tournament hand of
/// PokerStars says nothing about the cash hands that may follow it.
std::optional<int32_t> RoomMarker(std::wstring_view line) {
  if (StartsWith(line, L"Game #"sv)) return kPartyPoker;
  if (HasStarsMarker(line) && line.find(L"Tournament"sv) == std::wstring_view::npos)
    return kPokerStars;
  if (StartsWith(line, L"#Game No :"sv)) return k888Poker;
  if (StartsWith(line, L"Tiger Gaming Game #"sv)) return kTigerGaming;
  if (StartsWith(line, L"<?xml version="sv)) return kIPoker;
  return std::nullopt;
}

int32_t CurrencyFromSign(std::wstring_view sign) {
  if (sign == L"$"sv) return kUsd;
  if (sign == L"€"sv) return kEur;
  if (sign == L"£"sv) return kGbp;
  return -1;  // no run's currency: the file is refused
}

int32_t Cents(double amount) {
  return static_cast<int32_t>(amount * 100.0);
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
  if (!MatchLine(line, rule.blind, match)) return rule.endsWithoutMatch;
  info.bigBlind = Cents(CaptureAmount(match, rule.amountCapture));
  if (rule.currencyCapture != 0)
    info.currency = CurrencyFromSign(CaptureView(match, rule.currencyCapture));
  return true;
}

/// Each room's rule for one line after its marker; true ends detection.
bool DetectPokerStars(std::wstring_view line, FileFormatInfo& info) {
  static const boost::wregex kTable(LR"re(Table '.*' (\d+)-max Seat #\d+ is the button)re");
  static const boost::wregex kBlind(
      LR"re((.*): posts (small|big|small & big) blinds? (.)(\d+.?[0-9]{0,2}))re");
  return DetectByTableAndBlind(line, info, {kTable, kBlind, 4, 3, false});
}

bool DetectPartyPoker(std::wstring_view line, FileFormatInfo& info) {
  static const boost::wregex kPlayers(LR"re(Total number of players : \d+/(\d+))re");
  static const boost::wregex kBlind(
      LR"re(([\w|\$\-]+\s?[\w|\$]*) posts (small|big) blind \[\$(\d+.?[0-9]{0,2}) USD\].)re");
  LineMatch match;
  if (StartsWith(line, L"Total number of players :"sv)) {
    if (MatchLine(line, kPlayers, match)) info.tableSeats = CaptureInt(match, 1);
    return false;
  }
  if (ContainsAfterStart(line, L"posts big blind"sv)) {
    // Play-money tables post blinds without a dollar sign.
    if (line.find(L'$', 1) == std::wstring_view::npos) return true;
    info.realMoney = true;
    // A poster whose name the pattern cannot read ("dr. spaz") says nothing
    // of the stakes: the next big blind will.
    if (!MatchLine(line, kBlind, match)) return false;
    info.bigBlind = Cents(CaptureAmount(match, 3));
    return true;
  }
  if (StartsWith(line, L"Blinds("sv)) {
    info.realMoney = false;
    return true;
  }
  return false;
}

bool Detect888(std::wstring_view line, FileFormatInfo& info) {
  static const boost::wregex kTable(LR"re(Table .* (\d+) Max (.*))re");
  static const boost::wregex kBlinds(
      LR"re(([\$|€|£])\d+.?[0-9]{0,2}/[\$|€|£](\d+.?[0-9]{0,2}) Blinds .*)re");
  static const boost::wregex kFlopomania(
      LR"re(([\$|€|£])(\d+.?[0-9]{0,2}) Ante NL Flopomania .*)re");
  LineMatch match;
  if (StartsWith(line, L"Table "sv)) {
    if (MatchLine(line, kTable, match)) {
      info.tableSeats = CaptureInt(match, 1);
      const std::wstring_view money = CaptureView(match, 2);
      if (money == L"(Real Money)"sv) info.realMoney = true;
      if (money == L"(Play Money)"sv) info.realMoney = false;
    }
  } else if (ContainsAfterStart(line, L"Blinds"sv)) {
    if (MatchLine(line, kBlinds, match)) {
      info.currency = CurrencyFromSign(CaptureView(match, 1));
      info.bigBlind = Cents(CaptureAmount(match, 2));
    }
  } else if (ContainsAfterStart(line, L"Flopomania"sv)) {
    // Flopomania has no blinds: the ante stands in for the big blind.
    if (MatchLine(line, kFlopomania, match)) {
      info.currency = CurrencyFromSign(CaptureView(match, 1));
      info.bigBlind = Cents(CaptureAmount(match, 2));
    }
  }
  return false;  // the last stakes of the file count
}

bool DetectTigerGaming(std::wstring_view line, FileFormatInfo& info) {
  static const boost::wregex kTable(LR"re(Table '.*' (\d+)-Max, Seat #\d+ is the button)re");
  static const boost::wregex kBlind(
      LR"re((.*): posts (small|big|small & big) blinds? (\d+.?[0-9]{0,2}))re");
  return DetectByTableAndBlind(line, info, {kTable, kBlind, 3, 0, true});
}

bool DetectIPoker(std::wstring_view line, FileFormatInfo& info) {
  if (line.find(L"<gametype>"sv) == std::wstring_view::npos) return false;
  static const boost::wregex kGameType(
      LR"re(<gametype>(.*) ([\$|€|£])\d+.?[0-9]{0,2}/[\$|€|£](\d+.?[0-9]{0,2})</gametype>)re");
  LineMatch match;
  if (SearchLine(line, kGameType, match)) {
    info.realMoney = true;
    info.currency = CurrencyFromSign(CaptureView(match, 2));
    info.bigBlind = Cents(CaptureAmount(match, 3));
  }
  return false;  // the last game type of the file counts
}

}  // namespace

bool DetectHistoryFormat(const TextLines& lines, FileFormatInfo& info) {
  info.realMoney = false;
  info.tableSeats = 0;
  info.bigBlind = 0;
  info.currency = 0;
  bool roomKnown = false;
  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    if (!roomKnown) {
      const auto room = RoomMarker(line);
      if (!room) continue;
      info.room = *room;
      roomKnown = true;
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
    if (done) break;
  }
  return true;
}

}  // namespace lumora
