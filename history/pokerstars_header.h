#pragma once
// The header line that opens every PokerStars hand: hand number, game,
// blinds, currency and start time, e.g.
//   PokerStars Hand #2430: Hold'em No Limit ($0.05/$0.10 USD) - 2024/03/05
//   12:34:56 CET [2024/03/05 6:34:56 ET]

#include <cstdint>
#include <string>
#include <string_view>

#include "app/game_kinds.h"

namespace lumora {

struct PokerStarsHeader {
  bool taken = false;          ///< a form matched, its dates are valid and its game is taken
  int64_t startTime = 0;       ///< seconds since 1970; 0 when not taken
  int64_t bigBlindCents = 0;   ///< the stakes' big blind
  int32_t currency = 0;        ///< currency index
  std::wstring_view gameName;  ///< "Hold'em No Limit", "Omaha Pot Limit" ... in the line read
  int32_t zoom = 0;            ///< 1 for a Zoom (fast-fold) hand
};

class StarsHeaderScanner;

/// Reads a header line (anything may stand before the marker). The time
/// used is the one in Eastern time, taken as four hours behind UTC: the
/// bracketed one when there are two. A hand of a game the readers do not
/// take, or one that `games` does not select, is not `taken`. The reader of
/// a file passes its `scanner`, which spares most of the work on the headers
/// after the first.
PokerStarsHeader ReadPokerStarsHeader(std::wstring_view line, const GameFlags& games,
                                      StarsHeaderScanner* scanner = nullptr);

/// Whether the readers take hands of game `code` under `games`: No Limit
/// Hold'em, Pot Limit Omaha (and Hi/Lo), Pot Limit 5 Card Omaha (and Hi/Lo)
/// and Pot Limit Courchevel, each when "All", its group or its own flag is
/// set.
bool IsTakenGame(int code, const GameFlags& games);

}  // namespace lumora
