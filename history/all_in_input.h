#pragma once
// What the readers hand the all-in evaluation, built the same way by each:
// the hand's identity, and for rooms whose street markers carry the board,
// the street of the all-in, the board and everybody's money.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "equity/all_in_ev.h"
#include "history/chip_ledger.h"
#include "history/street_tracker.h"

namespace lumora {

class PokerLogic;

/// The hand whose all-in is evaluated, as the report names it.
struct AllInSource {
  const std::wstring& source;  ///< the file path, or a database run's label
  std::wstring_view handNumber;
  const std::wstring& nick;  ///< the hero
  int64_t bigBlind = 0;      ///< cents
  bool hiLo = false;         ///< an eight-or-better split game
};

/// Names `hand` as `source` says and evaluates it (EvaluateAllInHand).
std::optional<AllInHandReport> EvaluateAllInOf(AllInHandInput& hand, const AllInSource& source,
                                               const PokerLogic& engine);

/// Fills the all-in street and board from `streets` (the hands shown must
/// be in `hand` already), the hero's result (cents) and cards, and what
/// everybody put in. False when no all-in before the river was shown down.
bool FillFromStreets(AllInHandInput& hand, const StreetTracker& streets, int64_t result,
                     std::wstring_view heroCards, const ChipLedger& ledger);

}  // namespace lumora
