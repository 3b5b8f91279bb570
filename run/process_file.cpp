#include "run/process_file.h"

#include <cstdint>
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
/// out for that filter, so that the report counts them with the rest.
void LeaveOutWholeFile(const HistoryText& file, int32_t room, SourceResult& source) {
  if (!source.skip) return;
  const std::optional<HandLeftOut> reason = HandLeftOutOfFile(*source.skip);
  if (!reason) return;
  source.leftOut = {};
  source.leftOut[static_cast<size_t>(*reason)] =
      room == kIPoker ? CountXmlGames(file.text) : CountHands(file.lines);
}

void DecodeWhole(HistoryText& file) {
  DecodeHistoryInto(file.raw, file, kChatAndSeatingLeads);
}

/// Decodes the text of the file read into `file`, or the first piece of a
/// UTF-8 one (which is then read a piece at a time), and detects its format
/// into `info`. Returns whether `file` holds the whole text.
bool DecodeAndDetect(HistoryPieces& pieces, size_t pieceBytes, HistoryText& file, int32_t room,
                     FileFormatInfo& info) {
  const auto detect = [&] {
    info = {};
    info.room = room;
    return DetectHistoryFormat(file.lines, info);
  };
  if (!pieces.Utf8()) {
    DecodeWhole(file);
    detect();
    return true;
  }
  // Detection that wants more lines than the first piece holds gets a first
  // piece twice as long, until it has what it needs or the whole file. An
  // XML session is read whole, and its detection reads all of it.
  pieces.Next(file, kChatAndSeatingLeads);
  for (size_t first = pieceBytes; !detect() && !pieces.AtEnd();) {
    if (info.roomFound && info.room == kIPoker) {
      DecodeWhole(file);
      detect();
      return true;
    }
    first = first > SIZE_MAX / 2 ? SIZE_MAX : 2 * first;
    pieces.Restart();
    pieces.Next(file, kChatAndSeatingLeads, first);
  }
  return pieces.AtEnd();
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
  const bool wholeText = DecodeAndDetect(pieces, pieceBytes, file, filter.room, info);
  // Counting the hands of a file refused or abandoned takes its whole text.
  const auto leaveOutWholeFile = [&] {
    if (!outcome.source.skip) return;
    if (!wholeText) DecodeWhole(file);
    LeaveOutWholeFile(file, info.room, outcome.source);
  };
  if (const std::optional<FileSkip> skip = FileCheck(info, filter)) {
    outcome.source.skip = skip;
    leaveOutWholeFile();
    return outcome;
  }
  outcome.passedChecks = true;
  outcome.detectedBigBlind = info.bigBlind;

  if (info.room == kIPoker) {
    if (!wholeText) DecodeWhole(file);
    outcome.source.completed = ReadXmlHistoryFile(outcome.source.path, file.text, filter,
                                                  info.bigBlind, engine, outcome.source);
  } else if (wholeText) {
    outcome.source.completed = ReadHistoryHands(outcome.source.path, filter, file.lines,
                                                info.bigBlind, engine, outcome.source, file.marked);
  } else {
    HistoryHandsReader reader(outcome.source.path, filter, info.bigBlind, engine, outcome.source);
    while ((outcome.source.completed = reader.Read(file.lines, file.marked, pieces.AtEnd())) &&
           !pieces.AtEnd()) {
      reader.KeepOpenHand();
      pieces.Next(file, kChatAndSeatingLeads);
    }
  }
  leaveOutWholeFile();
  return outcome;
}

}  // namespace lumora
