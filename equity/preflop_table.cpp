#include "equity/preflop_table.h"

#include <algorithm>
#include <array>

#include "equity/cards.h"

namespace lumora {
namespace {

/// One class: key in the top 32 bits, the first hand's share of the pots (in
/// half pots: 2 per board won, 1 per board tied) in the low 32.
constexpr uint64_t kTable[] = {
#include "equity/preflop_table_data.inc"
};

}  // namespace

PreflopClass ClassifyPreflopMatchup(std::span<const int, 4> hands) {
  std::array<int, kSuitCount> rename = {0, 1, 2, 3};
  PreflopClass best{UINT32_MAX, false};
  do {
    std::array<uint32_t, 4> c{};
    for (int i = 0; i < 4; ++i)
      c[i] = static_cast<uint32_t>(MakeCard(CardRank(hands[i]), rename[CardSuit(hands[i])]));
    if (c[0] < c[1]) std::swap(c[0], c[1]);
    if (c[2] < c[3]) std::swap(c[2], c[3]);
    const uint32_t ab = c[0] << 18 | c[1] << 12 | c[2] << 6 | c[3];
    const uint32_t ba = c[2] << 18 | c[3] << 12 | c[0] << 6 | c[1];
    if (ab < best.key) best = {ab, false};
    if (ba < best.key) best = {ba, true};
  } while (std::next_permutation(rename.begin(), rename.end()));
  return best;
}

std::optional<EquityCounts> PreflopHeadsUpCounts(std::span<const int> hands) {
  if (hands.size() != 4) return std::nullopt;
  const PreflopClass matchup = ClassifyPreflopMatchup(std::span<const int, 4>(hands.data(), 4));
  const uint64_t wanted = uint64_t{matchup.key} << 32;
  const auto* found = std::lower_bound(std::begin(kTable), std::end(kTable), wanted);
  if (found == std::end(kTable) || (*found >> 32) != matchup.key) return std::nullopt;
  const uint64_t first = *found & 0xFFFFFFFFu;
  const uint64_t total = kPreflopHeadsUpBoards * kPreflopHeadsUpUnit;
  EquityCounts counts;
  counts.boards = kPreflopHeadsUpBoards;
  counts.unit = kPreflopHeadsUpUnit;
  counts.shares = matchup.swapped ? std::vector<uint64_t>{total - first, first}
                                  : std::vector<uint64_t>{first, total - first};
  return counts;
}

std::size_t PreflopTableSize() {
  return std::size(kTable);
}

}  // namespace lumora
