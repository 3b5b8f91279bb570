#pragma once
// Heads-up Hold'em before the flop, the commonest all-in, from a table
// shipped with the program: every matchup of two hands up to suit symmetry
// (renaming the suits, swapping the hands) with the exact counts of its
// 1,712,304 boards. tools/make_preflop_table.cpp writes the table from the
// enumerator.

#include <cstdint>
#include <optional>
#include <span>

#include "equity/enumerator.h"

namespace lumora {

/// Boards of a heads-up Hold'em deal before the flop: 48 choose 5.
inline constexpr uint64_t kPreflopHeadsUpBoards = 1712304;
/// Pot units of one heads-up board: 2, so that a tie gives each hand 1.
inline constexpr uint64_t kPreflopHeadsUpUnit = 2;

/// The class of a matchup of two Hold'em hands (cards 0-51, four distinct):
/// the smallest of the packed card codes over the 24 suit renamings and both
/// hand orders. `swapped` tells whether that smallest form lists hand B first.
struct PreflopClass {
  uint32_t key = 0;
  bool swapped = false;
};
PreflopClass ClassifyPreflopMatchup(std::span<const int, 4> hands);

/// Counts of hands[0..1] against hands[2..3] from the shipped table; nullopt
/// when the table lacks the class (a table not yet generated).
std::optional<EquityCounts> PreflopHeadsUpCounts(std::span<const int> hands);

/// Classes in the shipped table.
std::size_t PreflopTableSize();

}  // namespace lumora
