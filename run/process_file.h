#pragma once
// Reading one listed history file: decode it, recognise its room, accept or
// refuse it as a whole, and read its hands with the room's reader.

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "base/history_file.h"
#include "history/hand_filter.h"
#include "history/source_result.h"

namespace lumora {

class PokerLogic;

/// What reading one file yields.
struct FileOutcome {
  SourceResult source;           ///< source.completed: read to its end by its reader
  bool passedChecks = false;     ///< room, real money, table size and currency fit the run
  int64_t detectedBigBlind = 0;  ///< big blind in cents that detection found
};

/// Reads the file at `path` with the run's filter, asking `engine` for the
/// equities of all-in hands. Safe to call for several files at once: it
/// touches nothing but its own result.
FileOutcome ProcessHistoryFile(const std::filesystem::path& path, const HandFilter& filter,
                               const PokerLogic& engine);

/// Pieces of a UTF-8 file decoded and read in turn (see HistoryPieces): its
/// text, four bytes a character, then stays in the processor's cache.
inline constexpr size_t kHistoryPieceBytes = 64 * 1024;
/// The least first piece, on which the file's format is detected: a few
/// hands, what detection needs in most rooms.
inline constexpr size_t kFirstPieceBytes = 4 * 1024;

/// The same, reading the file into `file`, whose buffers the caller keeps
/// for the next file (one per reading thread). `pieceBytes` is for tests.
FileOutcome ProcessHistoryFile(const std::filesystem::path& path, const HandFilter& filter,
                               const PokerLogic& engine, HistoryText& file,
                               size_t pieceBytes = kHistoryPieceBytes);

}  // namespace lumora
