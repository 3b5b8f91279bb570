#include "run/process_file.h"

#include <string>
#include <vector>

#include "app/run_settings.h"
#include "equity/history_file.h"
#include "equity/text.h"
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
  if (info.room != filter.room || !info.realMoney || !seatsFit || info.currency != filter.currency)
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
