#pragma once
// What the dispatcher learns from the header line of a PartyPoker, Tiger
// Gaming or 888poker hand.

#include <cstdint>

namespace lumora {

struct HandHeader {
  /// The line has the room's header form.
  bool matched = false;
  /// The line has the form but a date field lies out of range, or the date
  /// cannot be converted: the file cannot be trusted and the run ends.
  bool badDate = false;
  int64_t startTime = 0;      ///< seconds since 1970; 0 when not matched
  int64_t bigBlindCents = 0;  ///< the stakes' big blind
  int32_t currency = 0;       ///< currency index
};

}  // namespace lumora
