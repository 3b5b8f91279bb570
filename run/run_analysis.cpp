#include "run/run_analysis.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "app/lumora_app.h"
#include "app/run_report.h"
#include "app/user_interface.h"
#include "base/text.h"
#include "db/database_run.h"
#include "equity/poker_logic.h"
#include "run/folder_walk.h"
#include "run/left_out_report.h"
#include "run/process_file.h"
#include "run/source_merge.h"
#include "run/statistics_step.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

/// The equity engine of this process, built on first use and shared by every
/// run: matchups it has worked out are remembered from one run to the next.
const PokerLogic& Engine() {
  static const PokerLogic engine;
  return engine;
}

/// Reads one file on a worker thread. Whatever goes wrong inside (memory
/// running out on a huge file, say) ends the run with a message naming the
/// file, rather than ending the program.
FileOutcome ReadOneFile(const fs::path& path, const HandFilter& filter, const PokerLogic& engine) {
  std::string reason;
  try {
    return ProcessHistoryFile(path, filter, engine);
  } catch (const std::exception& error) {
    reason = error.what();
  } catch (...) {
    reason = "unknown error";
  }
  FileOutcome failed;
  failed.source.path = PathToText(path);
  failed.source.fatalError =
      Format(L"%s: the file could not be read (%s)", failed.source.path, Utf8ToWide(reason));
  return failed;
}

/// Reads every listed file, on as many threads as the machine has cores,
/// while the calling thread reports progress and polls for cancel. Results
/// stand in list order whatever order the files finish in.
std::vector<FileOutcome> ReadFiles(const std::vector<fs::path>& files, const HandFilter& filter,
                                   const PokerLogic& engine, UserInterface& ui, bool& cancelled) {
  const size_t total = files.size();
  std::vector<FileOutcome> outcomes(total);
  std::atomic<size_t> next{0};
  std::atomic<bool> stop{false};
  size_t done = 0;
  std::mutex mutex;
  std::condition_variable progressed;

  auto work = [&] {
    for (size_t i = next++; i < total && !stop; i = next++) {
      outcomes[i] = ReadOneFile(files[i], filter, engine);
      std::lock_guard lock(mutex);
      ++done;
      progressed.notify_one();
    }
  };
  const size_t threads =
      std::clamp<size_t>(std::thread::hardware_concurrency(), 1, std::max<size_t>(total, 1));
  std::vector<std::jthread> workers;
  for (size_t t = 0; t < threads; ++t) workers.emplace_back(work);

  size_t reported = 0;
  ui.ReportProgress(0, total, WorkUnit::kFiles);
  while (reported < total) {
    size_t now;
    {
      std::unique_lock lock(mutex);
      progressed.wait_for(lock, std::chrono::milliseconds(100), [&] { return done != reported; });
      now = done;
    }
    if (now != reported) ui.ReportProgress(reported = now, total, WorkUnit::kFiles);
    if (reported < total && ui.IsCancelRequested()) {
      stop = true;  // workers finish the file in hand and take no other
      cancelled = true;
      break;
    }
  }
  workers.clear();  // joins: no worker touches `outcomes` any more
  return outcomes;
}

}  // namespace

HandFilter MakeHandFilter(const RunSettings& settings, const GameFlags& games,
                          const DateRange& range) {
  HandFilter filter;
  filter.nick = settings.Source == kDatabaseSource ? settings.NickDB : settings.NickName;
  filter.room = settings.PokerRoom;
  filter.timeFrom = range.from;
  filter.timeTo = range.to;
  filter.cashLimit = settings.CashLimit;
  filter.currency = settings.Currency;
  filter.numPl = settings.NumPl;
  filter.minPl = settings.minPl;
  filter.maxPl = settings.maxPl;
  filter.zoom = settings.Zoom;
  filter.nonZoom = settings.NonZoom;
  filter.games = games;
  return filter;
}

bool RunAnalysis(CLumoraApp& app, UserInterface& ui, RunHands* runHands) {
  BusyScope busy(ui);
  RunReport report(app.m_log, ui);
  const RunSettings& settings = app.m_settings;
  const HandFilter filter = MakeHandFilter(settings, app.m_nBC, app.m_dateRange);
  int64_t runBigBlind = settings.CashLimit;
  std::vector<double> resultsCents;  // every counted hand's, in run order
  FileSkipCounts skipped{};
  RunLeftOut leftOut;
  app.m_summary.ResetAllIn();
  const auto start = std::chrono::steady_clock::now();

  if (std::all_of(app.m_nBC.begin(), app.m_nBC.end(), [](int32_t flag) { return flag == 0; })) {
    ui.ShowMessage(L"You have to make GameSelection!");
    return false;
  }

  if (settings.Source == kDatabaseSource) {
    // The rows are summed piece by piece as they arrive, so that a tracker
    // of millions of hands is read in the memory of a few thousand.
    bool cancelled = false;
    leftOut.database = true;
    const auto takePiece = [&](SourceResult& piece) {
      piece.completed = true;
      for (size_t r = 0; r < leftOut.hands.size(); ++r) leftOut.hands[r] += piece.leftOut[r];
      MergeReadingReports(app, report, piece);
      AppendHands(piece, resultsCents, runHands);
      cancelled = ui.IsCancelRequested();
      return !cancelled;
    };
    if (!StreamDatabaseQuery(settings, filter, Engine(), app.m_log, ui, takePiece)) {
      // The hands of the pieces read are not the range's: none is shown.
      if (runHands) *runHands = RunHands();
      ui.ShowMessage(cancelled ? L"The analysis was cancelled." : L"You have no data!");
      return false;
    }
  } else {
    std::vector<fs::path> files;
    std::vector<fs::path> unreadableFolders;
    WalkHistoryFolder(PathFromText(settings.HistoryPath),
                      {filter.timeFrom, filter.timeTo, settings.PokerRoom, true, settings.CashLimit,
                       settings.Currency},
                      app.m_log, files, &unreadableFolders, &leftOut.filesNotOpened);
    leftOut.filesListed = files.size();
    for (int i = 0; i < kGameKindCount; ++i)
      report.LogOnly(Format(L"m_nBC[%d] = %d", i, app.m_nBC[i]));

    bool cancelled = false;
    std::vector<FileOutcome> outcomes = ReadFiles(files, filter, Engine(), ui, cancelled);
    if (cancelled) {
      ui.ShowMessage(L"The analysis was cancelled.");
      return false;
    }
    // A file that cannot be trusted ends the run where it stands in the
    // list: what the files before it gave to the log and sums stays.
    const auto failed = std::find_if(outcomes.begin(), outcomes.end(), [](const FileOutcome& o) {
      return !o.source.fatalError.empty();
    });
    if (failed != outcomes.end()) {
      for (auto o = outcomes.begin(); o != failed; ++o) MergeReadingReports(app, report, o->source);
      ui.ShowMessage(failed->source.fatalError);
      return false;
    }
    // A folder whose files could not be listed is reported as a file is.
    for (const fs::path& folder : unreadableFolders) {
      FileOutcome& outcome = outcomes.emplace_back();
      outcome.source.path = PathToText(folder);
      outcome.source.skip = FileSkip::kFolderCannotOpen;
    }
    runBigBlind =
        MergeFileOutcomes(app, report, outcomes, runBigBlind, resultsCents, runHands, skipped);
    for (const FileOutcome& outcome : outcomes)
      for (size_t r = 0; r < leftOut.hands.size(); ++r)
        leftOut.hands[r] += outcome.source.leftOut[r];
  }

  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  report.OutputOnly(Format(L"time = %d\n", static_cast<long long>(elapsed.count())));
  report.LogOnly(L"\n==================================================\n");

  // The last two report lines of every way the run ends from here count
  // the files that gave nothing, then the hands (and unopened files) that
  // the filters and readers left out, and why.
  const SettingsView view{settings, app.m_nBC, app.m_dateRange};
  const auto reportLeftOut = [&] {
    if (const std::wstring line = SkippedLine(skipped); !line.empty()) report.Report(line);
    if (const std::wstring line = LeftOutLine(leftOut, view); !line.empty()) report.Report(line);
  };
  if (resultsCents.empty()) {
    reportLeftOut();
    ui.ShowMessage(NoDataMessage(leftOut, view, ui));
    return false;
  }
  if (!ReportStatistics(app, report, ui, resultsCents, runBigBlind)) {
    reportLeftOut();
    return false;
  }
  ReportRiskOfRuin(app, report, runBigBlind);
  reportLeftOut();
  RefreshComparisonDisplay(app, ui);
  return true;
}

}  // namespace lumora
