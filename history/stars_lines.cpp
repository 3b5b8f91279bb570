#include "history/stars_lines.h"

#include "base/text.h"
#include "history/line_scan.h"

namespace lumora {

using namespace std::string_view_literals;
namespace {

struct MoneyPatterns {
  // A sign, when the room writes one, stands before the amount.
  boost::wregex ante{WithAmounts(LR"re((.*): posts the ante \D?{A})re")};
  boost::wregex postNow{WithAmounts(LR"re((.*): post now \D?{A})re")};
};

const MoneyPatterns& P() {
  static const MoneyPatterns kPatterns;
  return kPatterns;
}

/// Where a line's first ": post" stands, and whether it holds ": raises " or
/// ": calls " or ": bets ": every line of an all-in hand is asked, so its
/// colons are visited once (a name may hold one too) instead of walking the
/// line for each word.
struct ActionWords {
  size_t post = std::wstring_view::npos;
  bool raises = false;
  bool callsOrBets = false;
};

ActionWords FindActionWords(std::wstring_view line) {
  ActionWords words;
  for (size_t colon = line.find(L": "sv); colon != std::wstring_view::npos;
       colon = line.find(L": "sv, colon + 1)) {
    const std::wstring_view rest = line.substr(colon + 2);
    if (words.post == std::wstring_view::npos && StartsWith(rest, L"post"sv)) words.post = colon;
    words.raises = words.raises || StartsWith(rest, L"raises "sv);
    words.callsOrBets =
        words.callsOrBets || StartsWith(rest, L"calls "sv) || StartsWith(rest, L"bets "sv);
  }
  return words;
}

}  // namespace

std::wstring_view WithoutActionRemarks(std::wstring_view line, bool& allIn) {
  constexpr std::wstring_view kAllIn = L" and is all-in";
  allIn = EndsWith(line, kAllIn);
  if (allIn) line.remove_suffix(kAllIn.size());
  // A capped table: "raises $36 to $40 and has reached the $40 cap".
  if (EndsWith(line, L" cap"sv)) {
    const size_t reached = line.rfind(L" and has reached the "sv);
    if (reached != std::wstring_view::npos) line = line.substr(0, reached);
  }
  return line;
}

std::optional<MoneyLine> ReadMoneyLine(std::wstring_view line, HandAmounts& amounts,
                                       LineMatch& match) {
  MoneyLine move;
  ScanCaptures scanned;
  if (StartsWith(line, L"Uncalled bet ("sv)) {
    if (!ScanUncalled(line, scanned)) return std::nullopt;
    move.kind = MoneyLine::Kind::kReturn;
    move.name = scanned[2];
    move.cents = amounts.Cents(scanned[1]);
    return move;
  }
  line = WithoutActionRemarks(line, move.allIn);
  const ActionWords words = FindActionWords(line);
  const size_t posts = words.post;
  if (posts != std::wstring_view::npos) {
    if (FindText(line, L"posts the ante"sv, posts) != std::wstring_view::npos) {
      if (!MatchLine(line, P().ante, match)) return std::nullopt;
      move.kind = MoneyLine::Kind::kAnte;
      move.cents = amounts.Capture(match, 2);
    } else if (FindText(line, L"post now"sv, posts) != std::wstring_view::npos) {
      if (!MatchLine(line, P().postNow, match)) return std::nullopt;
      move.kind = MoneyLine::Kind::kLivePost;
      move.cents = amounts.Capture(match, 2);
    } else {
      if (!ScanBlind(line, scanned)) return std::nullopt;
      const std::wstring_view kind = scanned[2];
      move.kind = kind == L"small"sv ? MoneyLine::Kind::kSmallBlind
                  : kind == L"big"sv ? MoneyLine::Kind::kBigBlind
                                     : MoneyLine::Kind::kSmallAndBig;
      move.cents = amounts.Cents(scanned[3]);
      move.name = scanned[1];
      return move;
    }
    move.name = CaptureView(match, 1);
    return move;
  }
  if (words.raises) {
    if (!ScanRaise(line, scanned)) return std::nullopt;
    move.kind = MoneyLine::Kind::kRaiseTo;
    move.cents = amounts.Cents(scanned[3]);
  } else if (words.callsOrBets) {
    if (!ScanCallOrBet(line, scanned)) return std::nullopt;
    move.kind = MoneyLine::Kind::kAdd;
    move.cents = amounts.Cents(scanned[2]);
  } else {
    return std::nullopt;
  }
  move.name = scanned[1];
  return move;
}

void ApplyMoneyLine(const MoneyLine& move, PlayerMoney& money, bool smallBlindBefore,
                    int64_t bigBlind) {
  switch (move.kind) {
    case MoneyLine::Kind::kAnte:
      money.PostDead(move.cents);
      break;
    case MoneyLine::Kind::kSmallBlind:
      // The table's small blind is live; a second one is posted dead.
      if (smallBlindBefore)
        money.PostDead(move.cents);
      else
        money.PostLive(move.cents);
      break;
    case MoneyLine::Kind::kBigBlind:
    case MoneyLine::Kind::kLivePost:
      // A live blind, the table's own or one posted to come in: it counts
      // once, in the street, and a raise later sets the street over it.
      money.PostLive(move.cents);
      break;
    case MoneyLine::Kind::kSmallAndBig:
      money.PostSmallAndBig(move.cents, bigBlind);
      break;
    case MoneyLine::Kind::kAdd:
      money.Add(move.cents);
      break;
    case MoneyLine::Kind::kRaiseTo:
      money.RaiseTo(move.cents);
      break;
    case MoneyLine::Kind::kReturn:
      money.Return(move.cents);
      break;
  }
}

ChipLedger ReadStarsLedger(const HandLines& lines, int64_t bigBlind, HandAmounts& amounts) {
  ChipLedger ledger;
  LineMatch match;
  bool smallBlindBefore = false;
  for (const std::wstring_view raw : lines) {
    const std::wstring_view line = TrimView(raw);
    if (StartsWith(line, L"***"sv)) {
      if (line.size() > 4 && line[4] != L'H') ledger.NextStreet();
      continue;
    }
    const std::optional<MoneyLine> move = ReadMoneyLine(line, amounts, match);
    if (!move) continue;
    ApplyMoneyLine(*move, ledger[move->name], smallBlindBefore, bigBlind);
    if (move->kind == MoneyLine::Kind::kSmallBlind) smallBlindBefore = true;
  }
  return ledger;
}

}  // namespace lumora
