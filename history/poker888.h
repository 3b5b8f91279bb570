#pragma once
// 888poker and LotosPoker hand histories (one shared format): the stakes and
// date line of a hand and the hero's net result in it.

#include <cstdint>
#include <string_view>
#include <vector>

#include "history/hand_filter.h"
#include "history/hand_header.h"
#include "history/hand_reading.h"

namespace lumora {

/// Reads "$0.05/$0.10 Blinds No Limit Holdem - *** 05 03 2024 12:00:00" or
/// the Flopomania form, whose ante stands in for the big blind.
HandHeader Read888Header(std::wstring_view line);

/// Reads the lines of one hand; `expectedBigBlind` is the file's big blind
/// (or Flopomania ante) in cents.
HandReading Read888Hand(const HandFilter& filter, const HandLines& lines, int32_t room,
                        int32_t expectedBigBlind, bool& headerSeen);

}  // namespace lumora
