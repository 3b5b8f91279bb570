#include "equity/hand_value.h"

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

HandValue BestRankHand(const RankCounts& counts) {
  uint16_t present = 0;
  int quads = -1;
  int trips[2] = {-1, -1};
  int pairs[3] = {-1, -1, -1};
  int nTrips = 0;
  int nPairs = 0;
  for (int rank = kAce; rank >= 0; --rank) {
    const int count = counts[rank];
    if (count == 0) continue;
    present |= static_cast<uint16_t>(1u << rank);
    if (count >= 4) {
      if (quads < 0) quads = rank;
    } else if (count == 3) {
      if (nTrips < 2) trips[nTrips++] = rank;
    } else if (count == 2) {
      if (nPairs < 3) pairs[nPairs++] = rank;
    }
  }
  const auto bit = [](int rank) { return static_cast<uint16_t>(1u << rank); };
  if (quads >= 0) {
    const uint16_t others = present & static_cast<uint16_t>(~bit(quads));
    return Make(HandCategory::kFourOfAKind, quads * 13 + (std::bit_width(others) - 1));
  }
  if (nTrips > 0 && (nTrips > 1 || nPairs > 0)) {
    const int pair = nTrips > 1 && trips[1] > pairs[0] ? trips[1] : pairs[0];
    return Make(HandCategory::kFullHouse, trips[0] * 13 + pair);
  }
  if (const int top = StraightTop(present); top >= 0) return Make(HandCategory::kStraight, top);
  if (nTrips > 0)
    return Make(HandCategory::kThreeOfAKind,
                trips[0] * Choose(12, 2) + KickerIndex(present, bit(trips[0]), 2));
  if (nPairs >= 2) {
    const int high = pairs[0];
    const int low = pairs[1];
    return Make(HandCategory::kTwoPair,
                (Choose(high, 2) + low) * 11 + KickerIndex(present, bit(high) | bit(low), 1));
  }
  if (nPairs == 1)
    return Make(HandCategory::kPair,
                pairs[0] * Choose(12, 3) + KickerIndex(present, bit(pairs[0]), 3));
  return Make(HandCategory::kHighCard, KickerIndex(present, 0, 5));
}

HandValue BestFlushHand(uint16_t mask) {
  if (BitCount(mask) < 5) return 0;
  if (const int top = StraightTop(mask); top >= 0) return Make(HandCategory::kStraightFlush, top);
  return Make(HandCategory::kFlush, KickerIndex(mask, 0, 5));
}

}  // namespace lumora
