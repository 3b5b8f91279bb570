#pragma once
// 888poker and LotosPoker hand histories (one shared format): the stakes and
// date line of a hand and the hero's net result in it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/local_time.h"
#include "history/hand_filter.h"
#include "history/hand_header.h"
#include "history/hand_reading.h"

namespace lumora {

class PokerLogic;

/// Reads "$0.05/$0.10 Blinds No Limit Holdem - *** 05 03 2024 12:00:00", its
/// localised forms ("25 $/50 $ Blinds …") or the Flopomania form, whose ante
/// stands in for the big blind. The time is worked out by `memo` when given
/// (see HeaderLocalTime).
HandHeader Read888Header(std::wstring_view line, LocalTimeMemo* memo = nullptr);
/// The stakes of such a line alone (no start time).
HandHeader Read888Stakes(std::wstring_view line);

/// Reads the lines of one hand; `expectedBigBlind` is the file's big blind
/// (or Flopomania ante) in cents, 0 to take the hand's own. `source` (the
/// file path, or a database run's label) names the hand in the all-in report.
HandReading Read888Hand(const std::wstring& source, const HandFilter& filter,
                        const HandLines& lines, int32_t room, int64_t expectedBigBlind,
                        bool& headerSeen, const PokerLogic& engine);

}  // namespace lumora
