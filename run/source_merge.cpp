#include "run/source_merge.h"

#include <mutex>

#include "app/lumora_app.h"
#include "app/run_report.h"
#include "base/text.h"
#include "run/run_analysis.h"

namespace lumora {

void AddAllInHand(RunSummary& summary, const AllInHandReport& hand) {
  summary.m_nAllInHands += 1;
  summary.m_dAllInWin += hand.win;
  summary.m_dAllInEV += hand.ev;
  summary.m_dAllInDiff += hand.diff;
  // A hand read without a known big blind (a database run over every limit)
  // counts in money only; in big blinds it would be infinite.
  if (hand.bigBlind <= 0) return;
  summary.m_dAllInWinBB += hand.win / hand.bigBlind;
  summary.m_dAllInEVBB += hand.ev / hand.bigBlind;
  summary.m_dAllInDiffBB += hand.diff / hand.bigBlind;
}

bool Contributes(const SourceResult& source) {
  return source.completed && !source.hands.empty();
}

void MergeReadingReports(CLumoraApp& app, RunReport& report, const SourceResult& source) {
  for (const std::wstring& note : source.paneNotes) report.OutputOnly(note);
  if (source.completed)
    for (const std::wstring& note : source.logNotes) report.LogOnly(note);
  if (!Contributes(source)) return;
  std::lock_guard lock(app.m_criticalSection);
  std::vector<std::wstring_view> lines;
  for (const AllInHandReport& hand : source.allInReports) {
    lines.insert(lines.end(), hand.logLines.begin(), hand.logLines.end());
    AddAllInHand(app.m_summary, hand);
  }
  report.LogOnly(lines);
}

void AppendHands(const SourceResult& source, RunCents& cents, RunHands* runHands) {
  if (runHands) {
    runHands->count += source.hands.size();
    if (runHands->kept == RunHands::Kept::kGraph) {
      for (const HandResult& hand : source.hands) runHands->graph.push_back(GraphHandOf(hand));
    } else if (runHands->kept == RunHands::Kept::kWhole) {
      // A database run gives its hands in pieces of one source.
      if (runHands->sources.empty() || runHands->sources.back() != source.path)
        runHands->sources.push_back(source.path);
      runHands->sourceOfHand.insert(runHands->sourceOfHand.end(), source.hands.size(),
                                    runHands->sources.size() - 1);
      runHands->hands.insert(runHands->hands.end(), source.hands.begin(), source.hands.end());
    }
  }
  for (const HandResult& hand : source.hands) cents.push_back(hand.resultCents);
}

FileSkip SkipReason(const SourceResult& source) {
  if (source.skip) return *source.skip;
  return source.completed ? FileSkipOfHands(source.leftOut) : FileSkip::kUnreadable;
}

std::wstring SkippedLine(const FileSkipCounts& skipped) {
  int32_t total = 0;
  std::wstring reasons;
  for (size_t r = 0; r < skipped.size(); ++r) {
    if (skipped[r] == 0) continue;
    total += skipped[r];
    if (!reasons.empty()) reasons += L", ";
    reasons += Format(L"%d %s", skipped[r], std::wstring(FileSkipWords(static_cast<FileSkip>(r))));
  }
  if (total == 0) return {};
  return Format(L"Skipped: %d %s (%s)\n", total, total == 1 ? L"file" : L"files", reasons);
}

void FileMerge::Add(const FileOutcome& outcome) {
  const SourceResult& source = outcome.source;
  MergeReadingReports(m_app, m_report, source);
  FileLine& line = m_lines.emplace_back();
  line.path = source.path;
  if (!Contributes(source)) {
    line.skip = SkipReason(source);
    return;
  }
  line.hands = static_cast<int32_t>(source.hands.size());
  for (const HandResult& hand : source.hands) line.sumCents += hand.resultCents;
  line.bigBlind = outcome.detectedBigBlind;
  AppendHands(source, m_cents, m_runHands);
}

int64_t FileMerge::Finish(int64_t runBigBlind, FileSkipCounts& skipped) {
  // A line for each file, in the order of m_lines: they go to the log in one
  // write, and those of the files that gave hands then to the pane, each
  // logged before it shows.
  std::vector<std::wstring> logLines;
  logLines.reserve(m_lines.size());
  for (const FileLine& line : m_lines) {
    if (line.skip) {
      ++skipped[static_cast<size_t>(*line.skip)];
      logLines.push_back(
          Format(L"Skipped file: %s (%s)", line.path, std::wstring(FileSkipWords(*line.skip))));
      continue;
    }
    // Hands are only counted at the run's limit, so the big blind of a file
    // that gave hands is the unit the win rate is measured in.
    runBigBlind = line.bigBlind;
    logLines.push_back(
        Format(L"File: %s nHands = %d Result = %.2lf\n", line.path, line.hands, line.sumCents));
  }
  m_report.LogOnly(std::vector<std::wstring_view>(logLines.begin(), logLines.end()));
  for (size_t k = 0; k < m_lines.size(); ++k)
    if (!m_lines[k].skip) m_report.OutputOnly(logLines[k]);
  m_lines.clear();
  return runBigBlind;
}

}  // namespace lumora
