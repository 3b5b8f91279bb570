#pragma once
// Tiger Gaming hand histories: the header line of a hand and the hero's net
// result in it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/local_time.h"
#include "history/hand_filter.h"
#include "history/hand_header.h"
#include "history/hand_reading.h"

namespace lumora {

/// Reads "Tiger Gaming Game #...: ... Limit ($0.05/0.10) - 2024/03/05
/// 12:00:00 ET": local time as written (worked out by `memo` when given, see
/// HeaderLocalTime), big blind in dollars.
HandHeader ReadTigerHeader(std::wstring_view line, LocalTimeMemo* memo = nullptr);

class PokerLogic;

/// Reads the lines of one hand; `expectedBigBlind` is the file's big blind
/// in cents; `source` names the hand in the all-in report.
HandReading ReadTigerHand(const std::wstring& source, const HandFilter& filter,
                          const HandLines& lines, int32_t room, int64_t expectedBigBlind,
                          bool& headerSeen, const PokerLogic& engine);

}  // namespace lumora
