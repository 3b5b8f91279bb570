#pragma once
// What a room's hand reader makes of the lines of one hand.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/history_file.h"
#include "equity/all_in_report.h"
#include "history/left_out.h"
#include "history/source_result.h"

namespace lumora {

class HandAmounts;

/// The lines of one hand, viewed in the text they were read from (which must
/// outlive the reading), each trimmed as TrimView trims it: the file's
/// splitter and the database run trim them once, for every reader.
using HandLines = TextLines;

struct HandReading {
  bool accepted = false;     ///< the hand counts; a refused hand contributes nothing
  double resultCents = 0.0;  ///< the hero's net result (positive = won)
  /// The all-in evaluation of a hand that was all in before the river and
  /// shown down.
  std::optional<AllInHandReport> allIn;
  std::vector<std::wstring> paneNotes;  ///< lines the reader wants in the output pane
  /// Why a refused hand is not counted.
  HandLeftOut leftOut = HandLeftOut::kRefused;
  /// For the log, when the user should learn why the hand is not counted:
  /// what follows "hand #N" ("is cut off before its summary").
  std::wstring logNote;

  /// Refuses the hand for `reason`.
  HandReading& LeaveOut(HandLeftOut reason, std::wstring note = {}) {
    accepted = false;
    leftOut = reason;
    logNote = std::move(note);
    return *this;
  }
};

/// Appends an accepted reading to a source's results: `hand` (its id, start
/// and big blind) with the reading's result and EV, and the all-in report.
/// A refused reading adds its notes and its reason to the source's counts.
void AppendReading(HandReading&& reading, HandResult hand, SourceResult& out);

/// The number of the hand that `opening` opened (see HandIdOf), written out
/// only where it is shown: in a list of the hands (`listed`), or in the log's
/// note on a hand left out. Empty otherwise: most runs list no hands.
std::wstring ShownHandNumber(const HandReading& reading, std::wstring_view opening, bool listed);

/// The reason a hand the hero took no part in is left out: he sat at the
/// table and was not dealt in, or his nick is on none of its seats.
HandLeftOut NotDealtInReason(const HandLines& lines, std::wstring_view nick);

/// The checks every text reader makes once it has read a hand's lines: the
/// hero was dealt in, the text reaches the hand's end, and every amount was
/// read. Leaves the hand out for the first that fails and returns true then.
bool LeftOutAtTheEnd(HandReading& reading, const HandLines& lines, std::wstring_view nick,
                     bool dealtIn, bool reachedEnd, const HandAmounts& amounts);

/// The log note of a hand whose text ends before its summary.
std::wstring CutOffNote();
/// The log note of a hand holding an amount that cannot be read.
std::wstring BadAmountNote(std::wstring_view amount);

}  // namespace lumora
