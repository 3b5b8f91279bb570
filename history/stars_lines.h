#pragma once
// The money lines that PokerStars and Tiger Gaming write alike ("name: posts
// small blind $0.05", "name: raises $0.20 to $0.30", "Uncalled bet ($0.20)
// returned to name"; Tiger Gaming without the currency sign), read into one
// player's street money. Both readers follow the hero's money with them, and
// the all-in evaluation everybody's.

#include <cstdint>
#include <optional>
#include <string_view>

#include "history/amount.h"
#include "history/chip_ledger.h"
#include "history/hand_reading.h"
#include "history/pattern.h"

namespace lumora {

/// One line that moves a player's money.
struct MoneyLine {
  enum class Kind {
    kAnte,         ///< dead money
    kSmallBlind,   ///< live, unless a small blind was posted before (then dead)
    kBigBlind,     ///< live
    kSmallAndBig,  ///< a returning player's live big blind with a dead small one
    kLivePost,     ///< Tiger Gaming's "post now": a live blind to come in at once
    kAdd,          ///< a call or a bet
    kRaiseTo,      ///< a raise, as the street total it raises to
    kReturn,       ///< an uncalled bet coming back
  };
  Kind kind = Kind::kAdd;
  std::wstring_view name;  ///< views the line
  int64_t cents = 0;
  bool allIn = false;  ///< the player has no chips left
};

/// Reads a money line; nullopt for any other line. Only lines holding an
/// action's words are matched: blinds, bets, calls, raises and returned bets
/// by the scanners of line_scan.h, the rarer ante and live-post lines by a
/// pattern into `match`. Amounts go through `amounts`.
std::optional<MoneyLine> ReadMoneyLine(std::wstring_view line, HandAmounts& amounts,
                                       LineMatch& match);

/// The line without the remarks that follow an action: " and is all-in",
/// " and has reached the $40 cap". `allIn` tells whether the first was there.
std::wstring_view WithoutActionRemarks(std::wstring_view line, bool& allIn);

/// Applies `move` to the mover's money. `smallBlindBefore`: a small blind was
/// posted earlier in the hand; `bigBlind` (cents, 0 unknown) splits "small &
/// big blinds".
void ApplyMoneyLine(const MoneyLine& move, PlayerMoney& money, bool smallBlindBefore,
                    int64_t bigBlind);

/// Everybody's money in the hand `lines` (a street begins at each "***"
/// marker but the hole cards'), read from every money line.
ChipLedger ReadStarsLedger(const HandLines& lines, int64_t bigBlind, HandAmounts& amounts);

}  // namespace lumora
