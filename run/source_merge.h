#pragma once
// Merging what the sources of a run yielded, in list order, into the run's
// report, all-in sums and hand store. The order is that of the list whatever
// order the files were read in, so the report is always the same.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/source_result.h"
#include "run/process_file.h"

namespace lumora {

class CLumoraApp;
class RunReport;
struct RunHands;
struct RunSummary;

/// Adds one evaluated all-in hand to the run's all-in count and sums: the
/// count first, then the six sums (in money, and in each hand's own big blinds).
void AddAllInHand(RunSummary& summary, const AllInHandReport& hand);

/// True when a source counts: read to its end, with hands. A source
/// abandoned half-way contributes nothing, not even its hands read before.
bool Contributes(const SourceResult& source);

/// Writes what reading a source produced before its hands are summed: the
/// reader's notes to the output and, for a contributing source, each all-in
/// hand's report block to the log with its sums (under the application's
/// critical section).
void MergeReadingReports(CLumoraApp& app, RunReport& report, const SourceResult& source);

/// The run's results in cents, one per counted hand in run order: all the
/// statistics need (8 bytes a hand, whatever else a reader knew of the hand).
using RunCents = std::vector<double>;

/// Appends a source's results to `cents`, and its hands to `runHands` when
/// given and it keeps them.
void AppendHands(const SourceResult& source, RunCents& cents, RunHands* runHands);

/// Merges the files of a history run one at a time, in list order, as soon
/// as each is read: its reading reports at once, its results into the run's
/// store. Its "File:" line waits for Finish, since the log gives every file's
/// reports before the first "File:" line; what waits is a line per file, not
/// the file's hands.
class FileMerge {
 public:
  FileMerge(CLumoraApp& app, RunReport& report, RunCents& cents, RunHands* runHands)
      : m_app(app), m_report(report), m_cents(cents), m_runHands(runHands) {}

  /// Takes the next file of the list.
  void Add(const FileOutcome& outcome);

  /// Writes a "File:" line per contributing file and a log line for each
  /// file that gives nothing, saying why; `skipped` counts those by reason.
  /// Returns the run big blind: the big blind detected in the last file that
  /// gave hands, or `runBigBlind` when none did.
  int64_t Finish(int64_t runBigBlind, FileSkipCounts& skipped);

 private:
  /// What a file's line needs: its hand count and sum when it contributes,
  /// else why it gives nothing.
  struct FileLine {
    std::wstring path;
    std::optional<FileSkip> skip;
    int32_t hands = 0;
    double sumCents = 0.0;
    int64_t bigBlind = 0;
  };

  CLumoraApp& m_app;
  RunReport& m_report;
  RunCents& m_cents;
  RunHands* m_runHands;
  std::vector<FileLine> m_lines;
};

/// Why a source that contributes nothing gives nothing.
FileSkip SkipReason(const SourceResult& source);

/// The report line that counts the skipped files by reason ("Skipped: 12
/// files (8 tournament, 3 other currency, 1 unreadable)"), or an empty text
/// when no file was skipped.
std::wstring SkippedLine(const FileSkipCounts& skipped);

}  // namespace lumora
