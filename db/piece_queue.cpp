#include "db/piece_queue.h"

#include <algorithm>

namespace lumora {

PieceQueue::PieceQueue(Sink sink, Progress progress, std::size_t depth)
    : m_sink(std::move(sink)),
      m_progress(std::move(progress)),
      m_depth(std::max<size_t>(depth, 1)) {}

PieceQueue::~PieceQueue() {
  for (auto& [rows, results] : m_waiting)
    if (results.valid()) results.wait();
}

bool PieceQueue::Add(std::size_t rows, std::future<SourceResult> results) {
  m_waiting.emplace_back(rows, std::move(results));
  while (m_waiting.size() > m_depth)
    if (!HandOnOldest()) return false;
  return true;
}

bool PieceQueue::Finish() {
  while (!m_waiting.empty())
    if (!HandOnOldest()) return false;
  return true;
}

bool PieceQueue::HandOnOldest() {
  auto [rows, results] = std::move(m_waiting.front());
  m_waiting.pop_front();
  SourceResult piece = results.get();
  m_handed += rows;
  const bool goOn = m_sink(piece);
  m_progress(m_handed);
  return goOn;
}

}  // namespace lumora
