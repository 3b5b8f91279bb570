#pragma once
// The all-in EV of one hand: when the money went in before the river and the
// cards were shown, the hero's share of each pot by his equity at the moment
// of the all-in, less what he put in, and the difference between his actual
// result and that EV ("Diff"). Each pot, main and side, is shared only among
// the players who can win it: those shown down who put in at least its
// level. A pure function of what the hand reader gathered: it returns the
// report block and the values for the all-in sums, and the run writes the
// block to the log and adds the sums.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "equity/all_in_report.h"

namespace lumora {

class PokerLogic;

/// A hand shown down: the player's name and his cards ("Kd Kc").
struct ShownHand {
  std::wstring name;
  std::wstring cards;
};

/// What the hand reader gathered while reading one hand.
struct AllInHandInput {
  double netResult = 0.0;  ///< the hero's net result, cents
  int allInStreet = 0;     ///< 0: no all-in; 1, 2, 3: the board had 0, 3, 4 cards at the all-in
  std::wstring board;      ///< the board at the all-in, card names one blank apart ("2c 7h 9d")
  std::wstring heroCards;  ///< the hero's cards, same notation; empty: those he showed down
  std::vector<ShownHand> showdown;  ///< hands shown or mucked, in the order the room lists them
  /// What each player put into the pot, cents, folded players too; a bet
  /// returned to him with its own line is already taken off.
  std::map<std::wstring, double> putIn;
  /// Starting chips by name, currency units: they order two opponents who
  /// put in as much as each other.
  std::map<std::wstring, double> stacks;
  double totalPot = 0.0;     ///< currency units as the summary prints it; 0: what was put in
  std::vector<double> pots;  ///< pots as the summary prints them after the rake (main, side 1,
                             ///< …), currency units; empty when it prints one pot
  double rake = 0.0;         ///< currency units
  bool hiLo = false;         ///< an eight-or-better split game
  int64_t bigBlind = 0;      ///< cents
  std::wstring source;       ///< the file path, or the label of the hand's source
  std::wstring handNumber;
  std::wstring nick;  ///< the hero's name
};

/// Evaluates one hand. nullopt when the EV block does not run: no all-in
/// street, no hero cards, fewer than two hands shown, or a board text of 13
/// characters or more. Otherwise the report block (57 plus signs … 57 minus
/// signs) and the values of the all-in sums, in currency units. A hero who
/// cannot win has equity 0 and an EV of minus what he put in; cards that
/// cannot be dealt give no EV, and the block says why.
std::optional<AllInHandReport> EvaluateAllInHand(const AllInHandInput& hand,
                                                 const PokerLogic& logic);

}  // namespace lumora
