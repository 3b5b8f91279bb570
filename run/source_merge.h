#pragma once
// Merging what the sources of a run yielded, in list order, into the run's
// report, all-in sums and hand store. The order is that of the list whatever
// order the files were read in, so the report is always the same.

#include <cstdint>
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

/// Appends a source's results in cents to the run's (and its hands to
/// `runHands` when given).
void AppendHands(const SourceResult& source, std::vector<double>& resultsCents, RunHands* runHands);

/// Merges the files of a history run: first every file's reading reports,
/// then a "File:" line per contributing file with its hands appended, and a
/// log line for each file that gives nothing, saying why; `skipped` counts
/// those files by reason. Returns the run big blind: the big blind detected
/// in the last file that gave hands, or `runBigBlind` when none did.
int64_t MergeFileOutcomes(CLumoraApp& app, RunReport& report,
                          const std::vector<FileOutcome>& outcomes, int64_t runBigBlind,
                          std::vector<double>& resultsCents, RunHands* runHands,
                          FileSkipCounts& skipped);

/// Why a source that contributes nothing gives nothing.
FileSkip SkipReason(const SourceResult& source);

/// The report line that counts the skipped files by reason ("Skipped: 12
/// files (8 tournament, 3 other currency, 1 unreadable)"), or an empty text
/// when no file was skipped.
std::wstring SkippedLine(const FileSkipCounts& skipped);

}  // namespace lumora
