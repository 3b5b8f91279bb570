#pragma once
// The strength of a five-card high hand as one 16-bit number: the category
// in the top bits (high card 0 … straight flush 8), the order within the
// category below, so that a larger value is a better hand and equal values
// split the pot. Ranks are 0 ("2") to 12 ("A").

#include <array>
#include <cstdint>

namespace lumora {

using HandValue = uint16_t;

enum class HandCategory : int {
  kHighCard = 0,
  kPair,
  kTwoPair,
  kThreeOfAKind,
  kStraight,
  kFlush,
  kFullHouse,
  kFourOfAKind,
  kStraightFlush,
};

/// The category of a value made by this file's functions.
constexpr HandCategory CategoryOf(HandValue value) {
  return static_cast<HandCategory>(value >> 12);
}

/// Count of each rank 0-12 among some cards.
using RankCounts = std::array<uint8_t, 13>;

/// The ranks among some cards as layers: bit r of held[k] is set when more
/// than k cards of rank r are held.
struct RankLayers {
  std::array<uint16_t, 4> held{};

  /// Holds one more card of `rank`; false, and nothing changed, when four
  /// are held already.
  constexpr bool Add(int rank) {
    const auto bit = static_cast<uint16_t>(1u << rank);
    if ((held[3] & bit) != 0) return false;
    for (int k = 3; k > 0; --k) held[k] |= held[k - 1] & bit;
    held[0] |= bit;
    return true;
  }
};

/// The layers of `counts` (each at most 4).
RankLayers LayersOf(const RankCounts& counts);

/// The best five-card hand that the ranks allow when suits are ignored (no
/// flush): `layers` hold 5 to 7 cards.
HandValue BestRankHand(const RankLayers& layers);

/// The best flush or straight flush among suited cards: `mask` has bit r set
/// for each rank r held in one suit. 0 when fewer than five bits are set.
HandValue BestFlushHand(uint16_t mask);

/// The highest rank of a straight in a rank mask (3 for the wheel 5-4-3-2-A),
/// or -1 when there is none.
int StraightTop(uint16_t mask);

}  // namespace lumora
