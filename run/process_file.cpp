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
/// out for that filter, so that the report counts them with the rest.
void LeaveOutWholeFile(const HistoryText& file, int32_t room, SourceResult& source) {
  if (!source.skip) return;
  const std::optional<HandLeftOut> reason = HandLeftOutOfFile(*source.skip);
  if (!reason) return;
  source.leftOut = {};
  source.leftOut[static_cast<size_t>(*reason)] =
      room == kIPoker ? CountXmlGames(file.text) : CountHands(file.lines);
}

}  // namespace

FileOutcome ProcessHistoryFile(const std::filesystem::path& path, const HandFilter& filter,
                               const PokerLogic& engine) {
  HistoryText file;
  return ProcessHistoryFile(path, filter, engine, file);
}

FileOutcome ProcessHistoryFile(const std::filesystem::path& path, const HandFilter& filter,
                               const PokerLogic& engine, HistoryText& file) {
  FileOutcome outcome;
  outcome.source.path = PathToText(path);
  switch (ReadHistoryFileEx(path, file, kChatAndSeatingLeads)) {
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
  const TextLines& lines = file.lines;

  FileFormatInfo info;
  info.room = filter.room;
  DetectHistoryFormat(lines, info);
  if (const std::optional<FileSkip> skip = FileCheck(info, filter)) {
    outcome.source.skip = skip;
    LeaveOutWholeFile(file, info.room, outcome.source);
    return outcome;
  }
  outcome.passedChecks = true;
  outcome.detectedBigBlind = info.bigBlind;

  outcome.source.completed =
      info.room == kIPoker ? ReadXmlHistoryFile(outcome.source.path, file.text, filter,
                                                info.bigBlind, engine, outcome.source)
                           : ReadHistoryHands(outcome.source.path, filter, lines, info.bigBlind,
                                              engine, outcome.source, file.marked);
  LeaveOutWholeFile(file, info.room, outcome.source);
  return outcome;
}

}  // namespace lumora
