#pragma once
// What reading one source (a history file, or the rows of a tracker query)
// yields: the hero's result of every counted hand with what the reports need
// beside it. The run merges these values in list order, so the outputs are the
// same whether files are read one after another or side by side.

#include <string>
#include <vector>

#include "app/hand_results.h"
#include "equity/all_in_report.h"

namespace lumora {

struct SourceResult {
  std::wstring path;                ///< file path, or the source label of a database run
  HandResultStore hands;            ///< counted hands in reading order
  std::vector<double> allInValues;  ///< actual minus EV of each hand with an EV, currency units
  std::vector<AllInHandReport> allInReports;  ///< log block and sums of each all-in hand
  std::vector<std::wstring> paneNotes;        ///< lines the reader wants shown in the output pane
  bool completed = false;  ///< read to its end; an abandoned source contributes nothing
  /// A fault in the source that ends the whole run (a header date out of
  /// range): the message names the file and the line. Empty when none.
  std::wstring fatalError;
};

}  // namespace lumora
