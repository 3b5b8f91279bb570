#pragma once
// What reading one source (a history file, or the rows of a tracker query)
// yields: the hero's result of every counted hand with what the reports need
// beside it. The run merges these values in list order, so the outputs are the
// same whether files are read one after another or side by side.

#include <optional>
#include <string>
#include <vector>

#include "app/hand_results.h"
#include "equity/all_in_report.h"
#include "history/left_out.h"

namespace lumora {

struct SourceResult {
  std::wstring path;                ///< file path, or the source label of a database run
  HandResultStore hands;            ///< counted hands in reading order
  std::vector<double> allInValues;  ///< actual minus EV of each hand with an EV, currency units
  std::vector<AllInHandReport> allInReports;  ///< log block and sums of each all-in hand
  std::vector<std::wstring> paneNotes;        ///< lines the reader wants shown in the output pane
  std::vector<std::wstring> logNotes;         ///< lines for the log: hands not counted, and why
  HandLeftOutCounts leftOut{};                ///< hands not counted, by reason
  /// Why the source was refused or abandoned as a whole, when its reader
  /// knows (a tournament in it, play money, another player's file).
  std::optional<FileSkip> skip;
  bool completed = false;  ///< read to its end; an abandoned source contributes nothing
  /// A fault that ends the whole run (reading the file failed in a way no
  /// reader foresaw, memory running out, say): the message names the file.
  /// Empty when none.
  std::wstring fatalError;

  void LeaveOut(HandLeftOut reason) { ++leftOut[static_cast<size_t>(reason)]; }
};

}  // namespace lumora
