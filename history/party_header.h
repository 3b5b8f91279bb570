#pragma once
// The stakes-and-date line of a PartyPoker hand, e.g.
//   $0.10/$0.25 USD NL Texas Hold'em - Tuesday, June 19, 23:00:41 EDT 2018
//   $25 USD PL Omaha - Friday, December 03, 23:16:02 CET 2013

#include <string_view>

#include "history/hand_header.h"

namespace lumora {

/// The header of a hand. A pot-limit table is named by its buy-in, a hundred
/// big blinds; the time is local time as written (the zone word is not
/// applied); a month that is no English month name does not match.
HandHeader ReadPartyHeader(std::wstring_view line);

}  // namespace lumora
