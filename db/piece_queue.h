#pragma once
// The pieces of a database run in flight: each piece's hands are read (on a
// worker thread) while the next pieces are fetched, and the results go on
// in the order of the rows, whatever order the readings finish in.

#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <utility>

#include "history/source_result.h"

namespace lumora {

class PieceQueue {
 public:
  /// Takes the results of one piece, in row order; false stops the reading.
  using Sink = std::function<bool(SourceResult& piece)>;
  /// Told the number of rows whose results were handed on so far.
  using Progress = std::function<void(std::size_t rowsHanded)>;

  /// At most `depth` (at least 1) pieces wait at a time: their rows are what
  /// a run holds in memory besides the driver's.
  PieceQueue(Sink sink, Progress progress, std::size_t depth);
  /// Waits for the readings still in flight (their results are dropped).
  ~PieceQueue();
  PieceQueue(const PieceQueue&) = delete;
  PieceQueue& operator=(const PieceQueue&) = delete;

  /// Queues the coming results of a piece of `rows` rows. When more than
  /// `depth` pieces wait, hands on the oldest first. False once the sink
  /// stopped the reading. A reading that threw throws here.
  bool Add(std::size_t rows, std::future<SourceResult> results);
  /// Hands on every waiting piece. False when the sink stopped the reading.
  bool Finish();

 private:
  bool HandOnOldest();

  Sink m_sink;
  Progress m_progress;
  std::size_t m_depth;
  std::size_t m_handed = 0;
  std::deque<std::pair<std::size_t, std::future<SourceResult>>> m_waiting;
};

}  // namespace lumora
