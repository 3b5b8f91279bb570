#pragma once
// The hero's net result in one PokerStars or PartyPoker hand: what he
// collected less what he put in, with the table-size, players-seated and
// big-blind filters on the way, and the all-in evaluation when the money
// went in before the river and the cards were shown.

#include <cstdint>
#include <string>
#include <vector>

#include "history/hand_filter.h"
#include "history/hand_reading.h"

namespace lumora {

class PokerLogic;

/// Reads the lines of one hand. `source` is the file path (or the label of
/// a database run) for reports; `room` 1 reads PokerStars lines, 0
/// PartyPoker lines; `fileBigBlind` is the file's big blind in cents.
/// `headerSeen` is the caller's: clear before a hand whose first line is its
/// header, set for stored hand texts whose header is not to be read.
HandReading ReadPokerStarsHand(const std::wstring& source, const HandFilter& filter,
                               const HandLines& lines, int32_t room, int64_t fileBigBlind,
                               bool& headerSeen, const PokerLogic& engine);

/// The PartyPoker lines (called by ReadPokerStarsHand for room 0);
/// `fileBigBlind` 0 takes the hand's first big blind as the table's.
HandReading ReadPartyHand(const std::wstring& source, const HandFilter& filter,
                          const HandLines& lines, int64_t fileBigBlind, bool& headerSeen,
                          const PokerLogic& engine);

}  // namespace lumora
