#include "equity/rank_tables.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>

#include "equity/bit_count.h"

namespace lumora {
namespace {

/// Walks every rank multiset of up to five cards and numbers them: nodes of
/// zero to four cards in the order found, rows of five cards likewise.
struct MultisetWalk {
  std::vector<RankCounts> nodes;
  std::vector<RankCounts> rows;
  std::vector<uint16_t> next;

  MultisetWalk() {
    std::map<RankCounts, uint16_t> nodeIds;
    std::map<RankCounts, uint16_t> rowIds;
    nodes.push_back(RankCounts{});
    nodeIds[RankCounts{}] = 0;
    next.assign(RankTables::kNodes * 13, RankTables::kNoNode);
    // Breadth first: nodes of k cards come before those of k + 1, so the loop
    // sees every node that it appends.
    for (size_t id = 0; id < nodes.size(); ++id) {
      const RankCounts counts = nodes[id];
      int size = 0;
      for (uint8_t c : counts) size += c;
      for (int rank = 0; rank < 13; ++rank) {
        if (counts[rank] == 4) continue;
        RankCounts child = counts;
        ++child[rank];
        auto& ids = size + 1 == 5 ? rowIds : nodeIds;
        auto& list = size + 1 == 5 ? rows : nodes;
        auto [it, added] = ids.emplace(child, static_cast<uint16_t>(list.size()));
        if (added) list.push_back(child);
        next[id * 13 + rank] = it->second;
      }
    }
  }
};

}  // namespace

const RankTables& RankTables::Get() {
  static const RankTables tables;
  return tables;
}

RankTables::RankTables() {
  MultisetWalk walk;
  m_next = std::move(walk.next);
  m_rowRanks = std::move(walk.rows);

  m_flush.resize(1 << 13);
  for (unsigned mask = 0; mask < m_flush.size(); ++mask)
    m_flush[mask] = BestFlushHand(static_cast<uint16_t>(mask));

  m_rowValues.resize(kRows);
  m_holdem.assign(kPairs * kRows, 0);
  for (int row = 0; row < kRows; ++row) {
    const RankLayers five = LayersOf(m_rowRanks[row]);
    m_rowValues[row] = BestRankHand(five);
    for (int high = 0; high < 13; ++high) {
      for (int low = 0; low <= high; ++low) {
        RankLayers seven = five;
        // Left 0 where the pair would make a fifth card of one rank.
        if (seven.Add(high) && seven.Add(low))
          m_holdem[PairIndex(high, low) * kRows + row] = BestRankHand(seven);
      }
    }
  }
}

void RankTables::BuildOmaha() const {
  m_omaha.assign(kPairs * kRows, 0);
  for (int high = 0; high < 13; ++high) {
    for (int low = 0; low <= high; ++low) {
      const int pair = PairIndex(high, low);
      const uint16_t pairNode = Next(Next(kEmptyNode, high), low);
      for (int row = 0; row < kRows; ++row) {
        // Every three of the five board ranks with the two hole ranks.
        std::array<int, 5> ranks{};
        int n = 0;
        for (int rank = 0; rank < 13; ++rank)
          for (int c = 0; c < m_rowRanks[row][rank]; ++c) ranks[n++] = rank;
        HandValue best = 0;
        for (int i = 0; i < 5; ++i)
          for (int j = i + 1; j < 5; ++j)
            for (int k = j + 1; k < 5; ++k) {
              uint16_t node = Next(pairNode, ranks[i]);
              if (node != kNoNode) node = Next(node, ranks[j]);
              if (node != kNoNode) node = Next(node, ranks[k]);
              if (node != kNoNode && m_rowValues[node] > best) best = m_rowValues[node];
            }
        m_omaha[pair * kRows + row] = best;
      }
    }
  }
}

HandValue RankTables::OmahaFlush(uint16_t board, uint16_t pair) const {
  HandValue best = 0;
  // Leave out two, one or none of the board's suited ranks to keep three.
  const int extra = BitCount(board) - 3;
  if (extra < 0) return 0;
  if (extra == 0) return m_flush[board | pair];
  for (uint16_t a = board; a != 0; a &= static_cast<uint16_t>(a - 1)) {
    const uint16_t withoutA = board & static_cast<uint16_t>(~(a & -a));
    if (extra == 1) {
      best = std::max(best, m_flush[withoutA | pair]);
      continue;
    }
    for (uint16_t b = static_cast<uint16_t>(a & (a - 1)); b != 0;
         b &= static_cast<uint16_t>(b - 1)) {
      const uint16_t three = withoutA & static_cast<uint16_t>(~(b & -b));
      best = std::max(best, m_flush[three | pair]);
    }
  }
  return best;
}

std::size_t RankTables::MemoryBytes() const {
  OmahaRow(0);
  return (m_next.size() + m_holdem.size() + m_omaha.size() + m_flush.size() + m_rowValues.size()) *
             sizeof(HandValue) +
         m_rowRanks.size() * sizeof(RankCounts);
}

}  // namespace lumora
