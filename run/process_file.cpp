#include "run/process_file.h"

#include <optional>
#include <string>
#include <vector>

#include "app/run_settings.h"
#include "base/history_file.h"
#include "base/text.h"
#include "history/format_detection.h"
#include "history/history_hands.h"
#include "history/xml_history.h"

namespace lumora {
namespace {

/// Why the run refuses a file whose format `info` tells, or nothing when it
/// takes it.
std::optional<FileSkip> FileCheck(const FileFormatInfo& info, const HandFilter& filter) {
  if (!info.roomFound) return info.tournament ? FileSkip::kTournament : FileSkip::kUnreadable;
  if (info.room != filter.room) return FileSkip::kOtherRoom;
  if (!info.realMoney) return info.tournament ? FileSkip::kTournament : FileSkip::kPlayMoney;
  const bool seatsFit = info.room == kIPoker || filter.numPl == kAllTableSizes ||
                        (filter.minPl <= info.tableSeats && info.tableSeats <= filter.maxPl);
  if (!seatsFit) return FileSkip::kTableSize;
  // An iPoker session states one limit for all its games and its games carry
  // no big blind of their own, so a session at another limit is left whole;
  // its games would otherwise be measured in the wrong big blind.
  if (info.room == kIPoker && filter.cashLimit != 0 && info.bigBlind != filter.cashLimit)
    return FileSkip::kOtherLimit;
  if (info.currency != filter.currency) return FileSkip::kOtherCurrency;
  return std::nullopt;
}

/// A file refused whole by one of the run's filters leaves every hand in it
/// out for that filter, so that the report counts them with the rest. The
/// count takes the whole text, which `pieces` then decodes into `file` unless
/// `wholeText` says it is there.
void LeaveOutWholeFile(HistoryPieces& pieces, bool wholeText, HistoryText& file, int32_t room,
                       SourceResult& source) {
  if (!source.skip) return;
  const std::optional<HandLeftOut> reason = HandLeftOutOfFile(*source.skip);
  if (!reason) return;
  if (!wholeText) pieces.Whole(file, kChatAndSeatingLeads);
  source.leftOut = {};
  source.leftOut[static_cast<size_t>(*reason)] =
      room == kIPoker ? CountXmlGames(file.text) : CountHands(file.lines);
}

/// Decodes the text of the file read into `file`, or the first piece of a
/// UTF-8 one (read a piece at a time after), and detects its format into
/// `info`, for a run of `room`. A file whose detection wants more than its
/// first piece is decoded and detected whole. Returns whether `file` holds
/// the whole text.
bool DecodeAndDetect(HistoryPieces& pieces, HistoryText& file, int32_t room, FileFormatInfo& info) {
  info.room = room;
  // 888poker and iPoker files are known by their last stakes: detection reads
  // all of their text, and a first piece would be decoded in vain.
  const bool detectedWhole = room == k888Poker || room == kIPoker;
  if (!detectedWhole && pieces.Next(file, kChatAndSeatingLeads, kFirstPieceBytes) &&
      (DetectHistoryFormat(file.lines, info) || pieces.AtEnd()))
    return pieces.AtEnd();
  pieces.Whole(file, kChatAndSeatingLeads);
  info = {};
  info.room = room;
  DetectHistoryFormat(file.lines, info);
  return true;
}

}  // namespace

FileOutcome ProcessHistoryFile(const std::filesystem::path& path, const HandFilter& filter,
                               const PokerLogic& engine) {
  HistoryText file;
  return ProcessHistoryFile(path, filter, engine, file);
}

FileOutcome ProcessHistoryFile(const std::filesystem::path& path, const HandFilter& filter,
                               const PokerLogic& engine, HistoryText& file, size_t pieceBytes) {
  FileOutcome outcome;
  outcome.source.path = PathToText(path);
  switch (ReadHistoryBytes(path, file)) {
    case kReadOk:
      break;
    case kReadTooLarge:
      outcome.source.skip = FileSkip::kTooLarge;
      return outcome;
    case kReadFailed:
      outcome.source.skip = FileSkip::kNotReadWhole;
      return outcome;
    default:
      outcome.source.skip = FileSkip::kCannotOpen;
      return outcome;
  }
  HistoryPieces pieces(file.raw, pieceBytes);
  FileFormatInfo info;
  const bool wholeText = DecodeAndDetect(pieces, file, filter.room, info);
  if (const std::optional<FileSkip> skip = FileCheck(info, filter)) {
    outcome.source.skip = skip;
    LeaveOutWholeFile(pieces, wholeText, file, info.room, outcome.source);
    return outcome;
  }
  outcome.passedChecks = true;
  outcome.detectedBigBlind = info.bigBlind;

  if (info.room == kIPoker) {
    if (!wholeText) pieces.Whole(file, kChatAndSeatingLeads);
    outcome.source.completed = ReadXmlHistoryFile(outcome.source.path, file.text, filter,
                                                  info.bigBlind, engine, outcome.source);
  } else {
    HistoryHandsReader reader(outcome.source.path, filter, info.bigBlind, engine, outcome.source);
    bool last = wholeText;
    while ((outcome.source.completed = reader.Read(file.lines, file.marked, last)) && !last) {
      reader.KeepOpenHand();
      pieces.Next(file, kChatAndSeatingLeads);
      last = pieces.AtEnd();
    }
  }
  LeaveOutWholeFile(pieces, wholeText, file, info.room, outcome.source);
  return outcome;
}

}  // namespace lumora
