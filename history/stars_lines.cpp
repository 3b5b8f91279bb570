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
  boost::wregex callOrBet{WithAmounts(LR"re((.*): (?:calls|bets) \D?{A})re")};
  boost::wregex raise{WithAmounts(LR"re((.*): raises \D?{A} to \D?{A})re")};
  boost::wregex uncalled{WithAmounts(LR"re(Uncalled bet \(\D?{A}\) returned to (.*))re")};
};

const MoneyPatterns& P() {
  static const MoneyPatterns kPatterns;
  return kPatterns;
}

}  // namespace

std::wstring_view WithoutActionRemarks(std::wstring_view line, bool& allIn) {
  constexpr std::wstring_view kAllIn = L" and is all-in";
  allIn = line.ends_with(kAllIn);
  if (allIn) line.remove_suffix(kAllIn.size());
  // A capped table: "raises $36 to $40 and has reached the $40 cap".
  if (line.ends_with(L" cap"sv)) {
    const size_t reached = line.rfind(L" and has reached the "sv);
    if (reached != std::wstring_view::npos) line = line.substr(0, reached);
  }
  return line;
}

std::optional<MoneyLine> ReadMoneyLine(std::wstring_view line, HandAmounts& amounts,
                                       LineMatch& match) {
  MoneyLine move;
  if (StartsWith(line, L"Uncalled bet ("sv)) {
    if (!MatchLine(line, P().uncalled, match)) return std::nullopt;
    move.kind = MoneyLine::Kind::kReturn;
    move.name = CaptureView(match, 2);
    move.cents = amounts.Capture(match, 1);
    return move;
  }
  line = WithoutActionRemarks(line, move.allIn);
  const size_t posts = FindText(line, L": post"sv);
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
      ScanCaptures blind;
      if (!ScanBlind(line, blind)) return std::nullopt;
      const std::wstring_view kind = blind[2];
      move.kind = kind == L"small"sv ? MoneyLine::Kind::kSmallBlind
                  : kind == L"big"sv ? MoneyLine::Kind::kBigBlind
                                     : MoneyLine::Kind::kSmallAndBig;
      move.cents = amounts.Cents(blind[3]);
      move.name = blind[1];
      return move;
    }
    move.name = CaptureView(match, 1);
    return move;
  }
  if (FindText(line, L": raises "sv) != std::wstring_view::npos) {
    if (!MatchLine(line, P().raise, match)) return std::nullopt;
    move.kind = MoneyLine::Kind::kRaiseTo;
    move.cents = amounts.Capture(match, 3);
  } else if (FindText(line, L": calls "sv) != std::wstring_view::npos ||
             FindText(line, L": bets "sv) != std::wstring_view::npos) {
    if (!MatchLine(line, P().callOrBet, match)) return std::nullopt;
    move.kind = MoneyLine::Kind::kAdd;
    move.cents = amounts.Capture(match, 2);
  } else {
    return std::nullopt;
  }
  move.name = CaptureView(match, 1);
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
