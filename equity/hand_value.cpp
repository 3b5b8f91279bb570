#include "equity/hand_value.h"

#include <algorithm>
#include <bit>

#include "equity/bit_count.h"

namespace lumora {
namespace {

constexpr int kAce = 12;

constexpr HandValue Make(HandCategory category, int order) {
  return static_cast<HandValue>((static_cast<int>(category) << 12) | order);
}

/// n choose k for the small numbers used here.
constexpr int Choose(int n, int k) {
  if (k < 0 || n < k) return 0;
  int result = 1;
  for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
  return result;
}

/// The position of the k highest ranks of `mask` (after the ranks in
/// `excluded` are taken out and the rest closed up) in the colexicographic
/// order of k-subsets. Colex compares the highest members first, which is how
/// kickers compare, so a larger index is a better set of kickers.
int KickerIndex(uint16_t mask, uint16_t excluded, int k) {
  mask &= static_cast<uint16_t>(~excluded);
  int index = 0;
  for (int taken = 0; taken < k && mask != 0; ++taken) {
    const int rank = std::bit_width(mask) - 1;
    mask &= static_cast<uint16_t>(~(1u << rank));
    const int closedUp = rank - BitCount(static_cast<uint16_t>(excluded & ((1u << rank) - 1)));
    index += Choose(closedUp, k - taken);
  }
  return index;
}

}  // namespace

int StraightTop(uint16_t mask) {
  for (int top = kAce; top >= 4; --top) {
    const uint16_t run = static_cast<uint16_t>(0x1F << (top - 4));
    if ((mask & run) == run) return top;
  }
  constexpr uint16_t kWheel = 0x100F;  // A, 2, 3, 4, 5
  return (mask & kWheel) == kWheel ? 3 : -1;
}

RankLayers LayersOf(const RankCounts& counts) {
  RankLayers layers;
  for (int rank = 0; rank <= kAce; ++rank)
    for (int k = 0; k < counts[rank] && k < 4; ++k)
      layers.held[k] |= static_cast<uint16_t>(1u << rank);
  return layers;
}

HandValue BestRankHand(const RankLayers& layers) {
  // Of seven cards at most two ranks are held three times, and no rank
  // five times: each category is a question of the layers' bits.
  const auto bit = [](int rank) { return static_cast<uint16_t>(1u << rank); };
  const auto top = [](uint16_t mask) { return std::bit_width(mask) - 1; };  // -1 for none
  const uint16_t present = layers.held[0];
  if (const uint16_t quads = layers.held[3]) {
    const int rank = top(quads);
    return Make(HandCategory::kFourOfAKind,
                rank * 13 + top(present & static_cast<uint16_t>(~bit(rank))));
  }
  const uint16_t trips = layers.held[2];
  const uint16_t pairs = layers.held[1] & static_cast<uint16_t>(~trips);  // held exactly twice
  const int trip = top(trips);
  if (trip >= 0) {
    // A second set plays as the pair when it beats the best pair.
    const int pair = std::max(top(trips & static_cast<uint16_t>(~bit(trip))), top(pairs));
    if (pair >= 0) return Make(HandCategory::kFullHouse, trip * 13 + pair);
  }
  if (const int high = StraightTop(present); high >= 0) return Make(HandCategory::kStraight, high);
  if (trip >= 0)
    return Make(HandCategory::kThreeOfAKind,
                trip * Choose(12, 2) + KickerIndex(present, bit(trip), 2));
  const int high = top(pairs);
  if (high < 0) return Make(HandCategory::kHighCard, KickerIndex(present, 0, 5));
  const int low = top(pairs & static_cast<uint16_t>(~bit(high)));
  if (low >= 0)
    return Make(HandCategory::kTwoPair,
                (Choose(high, 2) + low) * 11 + KickerIndex(present, bit(high) | bit(low), 1));
  return Make(HandCategory::kPair, high * Choose(12, 3) + KickerIndex(present, bit(high), 3));
}

HandValue BestFlushHand(uint16_t mask) {
  if (BitCount(mask) < 5) return 0;
  if (const int top = StraightTop(mask); top >= 0) return Make(HandCategory::kStraightFlush, top);
  return Make(HandCategory::kFlush, KickerIndex(mask, 0, 5));
}

}  // namespace lumora
