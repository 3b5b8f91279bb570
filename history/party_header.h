#pragma once
// The stakes-and-date line of a PartyPoker hand, e.g.
//   $0.10/$0.25 USD NL Texas Hold'em - Tuesday, June 19, 23:00:41 EDT 2018
//   $25 USD PL Omaha - Friday, December 03, 23:16:02 CET 2013
//   $1,000 USD PL Omaha Hi-Lo - Monday, January 06, 16:33:56 EST 2014

#include <string_view>

#include "base/local_time.h"
#include "history/hand_header.h"

namespace lumora {

/// The header of a hand. A table named by its buy-in (pot-limit Omaha, and
/// no-limit Hold'em in the client's later format) seats a hundred big
/// blinds; the time is local time as written (the zone word is not applied);
/// a month that is no English month name does not match. The time is worked
/// out by `memo` when given (see HeaderLocalTime).
HandHeader ReadPartyHeader(std::wstring_view line, LocalTimeMemo* memo = nullptr);

}  // namespace lumora
