#pragma once
// Eight-or-better low hands of the hi-lo Omaha games: five cards of distinct
// ranks from ace (low) to eight; the hand whose highest card is lowest wins,
// then the next highest, and so on. Straights and flushes do not count
// against a low.

#include <cstdint>
#include <vector>

namespace lumora {

/// The strength of a low: larger is better, equal lows split, and 0 means
/// no qualifying low.
using LowScore = uint8_t;
inline constexpr LowScore kNoLow = 0;

/// Bit 0 for an ace, bits 1 to 7 for the ranks 2 to 8 (rank indexes 0-6);
/// 0 for the ranks 9 to king.
constexpr uint8_t LowBit(int rank) {
  return rank == 12 ? 1 : rank <= 6 ? static_cast<uint8_t>(2u << rank) : 0;
}

/// The score of a low made of exactly five low ranks (a mask of LowBit).
constexpr LowScore ScoreOfLow(uint8_t fiveLowRanks) {
  return static_cast<LowScore>(255 - fiveLowRanks);
}

/// Best Omaha low for every pair of masks: the hole cards' distinct low ranks
/// and the board's. The hand must use exactly two hole and three board cards.
class OmahaLowTable {
 public:
  static const OmahaLowTable& Get();

  /// The scores by board low mask (256 entries) of a hand with these low ranks.
  const LowScore* Row(uint8_t holeLowRanks) const { return &m_scores[holeLowRanks * 256]; }

 private:
  OmahaLowTable();
  std::vector<LowScore> m_scores;
};

}  // namespace lumora
