// Whole files of each room as the run reads them: decoded, recognised, cut
// into hands and read; and the XML reader on its own.

#include <cmath>

#include "app/run_settings.h"
#include "base/history_file.h"
#include "base/text.h"
#include "fuzz/fuzz_support.h"
#include "history/format_detection.h"
#include "history/history_hands.h"
#include "history/source_result.h"
#include "history/xml_history.h"

namespace lumora {
namespace {

/// What every source must hold, whatever its input.
void RequireSound(const SourceResult& out, size_t lines) {
  Require(out.hands.size() <= lines);
  for (const HandResult& hand : out.hands) {
    Require(std::isfinite(hand.resultCents) && hand.resultCents == std::floor(hand.resultCents));
    Require(hand.bigBlindCents >= 0);
  }
  for (const double value : out.allInValues) Require(std::isfinite(value));
}

/// A run reads a UTF-8 file a piece at a time: pieces of a few lines must
/// give what its whole text gave, `whole` and `completed`.
void RequireSameInPieces(std::span<const uint8_t> input, const HandFilter& filter, int64_t bigBlind,
                         const SourceResult& whole, bool completed) {
  HistoryPieces pieces(BytesOf(input), 100);
  if (!pieces.Utf8()) return;
  HistoryText piece;
  SourceResult out;
  HistoryHandsReader reader(L"fuzz.txt", filter, bigBlind, FuzzEngine(), out);
  bool read = true;
  while (read && pieces.Next(piece, kChatAndSeatingLeads)) {
    read = reader.Read(piece.lines, piece.marked, pieces.AtEnd());
    reader.KeepOpenHand();
  }
  Require(read == completed && out.hands.size() == whole.hands.size() &&
          out.leftOut == whole.leftOut && out.logNotes == whole.logNotes &&
          out.paneNotes == whole.paneNotes && out.allInValues == whole.allInValues);
  for (size_t k = 0; k < out.hands.size(); ++k)
    Require(out.hands[k].handId == whole.hands[k].handId &&
            out.hands[k].resultCents == whole.hands[k].resultCents);
}

/// Reads the input as a file of `room`: whatever detection finds, the room's
/// reader gets it, so that no input is refused before the readers see it.
void ReadAsFileOf(int32_t room, std::span<const uint8_t> input) {
  const std::wstring text = DecodeHistoryText(BytesOf(input));
  const TextLines lines = SplitLines(text);
  // A run's readers decode and cut in one pass, which must agree.
  HistoryText fused;
  DecodeHistoryInto(BytesOf(input), fused, kChatAndSeatingLeads);
  Require(fused.text == text && fused.lines == lines && fused.marked.size() == lines.size());
  FileFormatInfo info;
  info.room = room;
  DetectHistoryFormat(lines, info);
  HandFilter filter = FuzzFilter(room);
  if (info.currency >= kUsd && info.currency <= kGbp) filter.currency = info.currency;
  SourceResult out;
  if (room == kIPoker) {
    ReadXmlHistoryFile(L"fuzz.xml", text, filter, info.bigBlind, FuzzEngine(), out);
  } else {
    const bool completed =
        ReadHistoryHands(L"fuzz.txt", filter, lines, info.bigBlind, FuzzEngine(), out);
    RequireSameInPieces(input, filter, info.bigBlind, out, completed);
  }
  RequireSound(out, lines.size() + 1);
}

}  // namespace

void ReadPokerStarsFile(std::span<const uint8_t> input) {
  ReadAsFileOf(kPokerStars, input);
}
void ReadPartyPokerFile(std::span<const uint8_t> input) {
  ReadAsFileOf(kPartyPoker, input);
}
void Read888PokerFile(std::span<const uint8_t> input) {
  ReadAsFileOf(k888Poker, input);
}
void ReadTigerGamingFile(std::span<const uint8_t> input) {
  ReadAsFileOf(kTigerGaming, input);
}
void ReadIPokerFile(std::span<const uint8_t> input) {
  ReadAsFileOf(kIPoker, input);
}

void ReadXmlSession(std::span<const uint8_t> input) {
  const std::wstring text = Utf8ToWide(BytesOf(input));
  SourceResult out;
  ReadXmlHistoryFile(L"fuzz.xml", text, FuzzFilter(kIPoker), 10, FuzzEngine(), out);
  RequireSound(out, text.size() + 1);
}

}  // namespace lumora
