#pragma once
// What a room's hand reader makes of the lines of one hand.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/history_file.h"
#include "equity/all_in_report.h"
#include "history/source_result.h"

namespace lumora {

/// The lines of one hand, viewed in the text they were read from (which must
/// outlive the reading).
using HandLines = TextLines;

struct HandReading {
  bool accepted = false;     ///< the hand counts; a refused hand contributes nothing
  double resultCents = 0.0;  ///< the hero's net result (positive = won)
  /// The all-in evaluation of a hand that was all in before the river and
  /// shown down (PokerStars hands only).
  std::optional<AllInHandReport> allIn;
  std::vector<std::wstring> paneNotes;  ///< lines the reader wants in the output pane
};

/// Appends an accepted reading to a source's results: `hand` (its id, start
/// and big blind) with the reading's result and EV, and the all-in report.
/// A refused reading adds nothing but its notes.
void AppendReading(HandReading&& reading, HandResult hand, SourceResult& out);

}  // namespace lumora
