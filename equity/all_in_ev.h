#pragma once
// The all-in EV of one hand: when the money went in before the river and the
// cards were shown, the hero's share of the pots by his equity at the moment
// of the all-in, less what he put in, and the difference between his actual
// result and that EV ("Diff"). A pure function of what the hand reader
// gathered: it returns the report block and the values for the all-in sums,
// and the run writes the block to the log and adds the sums.

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
  double heroMoney = 0.0;  ///< all the hero put in the pot, cents
  int allInStreet = 0;     ///< 0: no all-in; 1, 2, 3: the board had 0, 3, 4 cards at the all-in
  std::wstring board;      ///< the board at the all-in, card names one blank apart ("2c 7h 9d")
  std::wstring heroCards;  ///< the hero's cards, same notation
  std::vector<ShownHand> showdown;        ///< hands shown or mucked, in seat-line order
  std::map<std::wstring, double> stacks;  ///< starting chips by name, currency units
  double totalPot = 0.0;                  ///< currency units, as the summary prints them
  double mainPot = 0.0;                   ///< 0 when the summary shows a single pot
  double sidePot = 0.0;                   ///< the first side pot; 0 when a single pot
  std::vector<double> pots;               ///< numbered side pots only: main pot, side pot 1, 2 …
  double rake = 0.0;                      ///< currency units
  bool hiLo = false;                      ///< an eight-or-better split game
  int32_t bigBlind = 0;                   ///< cents
  std::wstring source;                    ///< the file path, or the label of the hand's source
  std::wstring handNumber;
  std::wstring nick;  ///< the hero's name
};

/// The hero's equity in percent from the hand texts `hands` (hero first; the
/// wrapper reads hands 0 and 1) on the board `board` (0, 3 or 4 cards), or
/// 0.0 when there is none: a board of another size, a text that names no
/// card, hands of unequal size, a card given twice, a hand that cannot win.
double EquityHeadsUp(const PokerLogic& logic, bool hiLo, std::wstring_view board,
                     const std::vector<std::wstring>& hands);
/// The same for hands 0, 1 and 2 all contending.
double EquityThreeWay(const PokerLogic& logic, bool hiLo, std::wstring_view board,
                      const std::vector<std::wstring>& hands);
/// Hands 0 and 1 contending with the cards of hand 2 dead: the hero's share
/// of a side pot that the shortest stack (hand 2) cannot win.
double EquitySidePot(const PokerLogic& logic, bool hiLo, std::wstring_view board,
                     const std::vector<std::wstring>& hands);

/// Evaluates one hand. nullopt when the EV block does not run: no all-in
/// street, no hero cards, fewer than two hands shown, or a board text of 13
/// characters or more. Otherwise the report block (57 plus signs … 57 minus
/// signs) and the values of the all-in sums, in currency units.
std::optional<AllInHandReport> EvaluateAllInHand(const AllInHandInput& hand,
                                                 const PokerLogic& logic);

}  // namespace lumora
