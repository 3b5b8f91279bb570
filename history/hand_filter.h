#pragma once
// What the readers need to know of the run's settings to filter hands: the
// hero, the room, the date range and the table, stake and game filters.

#include <cstdint>
#include <string>

#include "app/game_kinds.h"

namespace lumora {

struct HandFilter {
  std::wstring nick;     ///< the hero's screen name, compared case-sensitively
  int32_t room = 0;      ///< expected room code
  int64_t timeFrom = 0;  ///< date range, seconds since 1970 (the readers say which ends count)
  int64_t timeTo = 0;
  int32_t cashLimit = 0;  ///< big blind in cents; 0 takes every big blind
  int32_t currency = 0;
  int32_t numPl = 0;  ///< table-size code; 4 = all sizes
  int32_t minPl = 2;  ///< players seated, inclusive
  int32_t maxPl = 10;
  int32_t zoom = 0;     ///< take fast-fold hands
  int32_t nonZoom = 1;  ///< take ordinary hands
  GameFlags games = AllGamesSelected();
  /// Whether a counted hand keeps its number: only a list of the hands shows
  /// it, and writing it out costs an allocation a hand.
  bool handIds = true;
};

}  // namespace lumora
