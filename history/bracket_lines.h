#pragma once
// The lines PartyPoker and 888poker write alike: a seat with its stack in
// parentheses, and a name, what the player does and the amount in brackets,
// the sign before or after it ("posts small blind [$0.10 USD].", "calls [25
// $]"). Each amount is what the action adds to the pot.

#include <boost/regex.hpp>

namespace lumora {

struct BracketPatterns {
  boost::wregex seat{LR"re(Seat \d+: (.+) \( (.*) \))re"};  ///< 1 name, 2 stack
  /// 1 name, 2 small or big, 3 amount; PartyPoker ends the line with a full stop.
  boost::wregex blind{LR"re((.+) posts (small|big) blind \[(.*)\]\.?)re"};
  boost::wregex action{LR"re((.+) (?:calls|bets|raises) \[(.*)\])re"};  ///< 1 name, 2 amount
};

/// The patterns, built once.
const BracketPatterns& BracketLines();

}  // namespace lumora
