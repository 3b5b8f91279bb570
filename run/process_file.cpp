#include "run/process_file.h"

#include <string>
#include <vector>

#include "app/run_settings.h"
#include "base/history_file.h"
#include "base/text.h"
#include "history/format_detection.h"
#include "history/history_hands.h"
#include "history/xml_history.h"

namespace lumora {

FileOutcome ProcessHistoryFile(const std::filesystem::path& path, const HandFilter& filter,
                               const PokerLogic& engine) {
  FileOutcome outcome;
  outcome.source.path = PathToText(path);
  HistoryText file;
  if (ReadHistoryFileEx(path, file) != kReadOk) return outcome;
  const TextLines& lines = file.lines;

  FileFormatInfo info;
  info.room = filter.room;
  DetectHistoryFormat(lines, info);
  const bool seatsFit = info.room == kIPoker || filter.numPl == kAllTableSizes ||
                        (filter.minPl <= info.tableSeats && info.tableSeats <= filter.maxPl);
  // An iPoker session states one limit for all its games and its games carry
  // no big blind of their own, so a session at another limit is left whole;
  // its games would otherwise be measured in the wrong big blind.
  const bool limitFits =
      info.room != kIPoker || filter.cashLimit == 0 || info.bigBlind == filter.cashLimit;
  if (info.room != filter.room || !info.realMoney || !seatsFit || !limitFits ||
      info.currency != filter.currency)
    return outcome;
  outcome.passedChecks = true;
  outcome.detectedBigBlind = info.bigBlind;

  outcome.source.completed = info.room == kIPoker
                                 ? ReadXmlHistoryFile(outcome.source.path, file.text, filter,
                                                      info.bigBlind, outcome.source)
                                 : ReadHistoryHands(outcome.source.path, filter, lines,
                                                    info.bigBlind, engine, outcome.source);
  return outcome;
}

}  // namespace lumora
