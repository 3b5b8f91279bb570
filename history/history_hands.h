#pragma once
// Cutting an accepted text history file into hands, filtering each by its
// header and handing it to its room's reader.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/history_file.h"
#include "history/hand_filter.h"
#include "history/source_result.h"

namespace lumora {

class PokerLogic;

/// The characters that begin the phrases of chat and seating lines (" said,
/// ", "joins the table at seat", "will be allowed to play after the
/// button"): a line that holds none of them is neither.
inline constexpr std::string_view kChatAndSeatingLeads = ",jw";

/// Reads the hands of one file into `out` (hands, all-in reports and values,
/// pane notes, and a fatal error that ends the run). `fileBigBlind` is the
/// big blind in cents that detection found. `mayBeChat`, when not empty,
/// tells for each line whether it holds one of kChatAndSeatingLeads (as
/// decoding marks them): the other lines are not searched for the phrases.
/// Returns true when every line was handled, false when the file was
/// abandoned; an abandoned file's results must not be used.
bool ReadHistoryHands(const std::wstring& path, const HandFilter& filter, const TextLines& lines,
                      int64_t fileBigBlind, const PokerLogic& engine, SourceResult& out,
                      std::span<const uint8_t> mayBeChat = {});

class HandSplitter;

/// ReadHistoryHands for a file decoded a piece at a time (see
/// HistoryPieces): the same hands, notes and results its whole text gives.
/// The filter, engine and `out` must outlive the reader.
class HistoryHandsReader {
 public:
  HistoryHandsReader(const std::wstring& path, const HandFilter& filter, int64_t fileBigBlind,
                     const PokerLogic& engine, SourceResult& out);
  ~HistoryHandsReader();
  HistoryHandsReader(const HistoryHandsReader&) = delete;
  HistoryHandsReader& operator=(const HistoryHandsReader&) = delete;

  /// Reads the next piece's lines and marks, as ReadHistoryHands reads a
  /// file's; `last` when they end the file. False when the file was
  /// abandoned.
  bool Read(const TextLines& lines, std::span<const uint8_t> mayBeChat, bool last);
  /// Copies the lines of the hand still being collected: the next piece is
  /// decoded over the text they view.
  void KeepOpenHand();

 private:
  std::wstring m_path;
  std::unique_ptr<HandSplitter> m_splitter;
};

/// How many hands a text history file holds, whichever room wrote it: the
/// opening lines of each room's hands, the lines that open one hand (a
/// banner and its "#Game No :") counted once by their shared hand number.
/// Tournament hands are not counted. Cheap: no hand is read.
int32_t CountHands(const TextLines& lines);

/// The hand number of a hand's opening line: the first run of digits after
/// its '#' ("PokerStars Hand #123:", "Game #123 starts.", "#Game No : 123"),
/// or after "Game " where there is no '#'. Empty when there is none.
std::wstring HandIdOf(std::wstring_view line);

}  // namespace lumora
