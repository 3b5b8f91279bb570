#include "run/run_analysis.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
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

/// The equity engine of this process's database runs, built on first use:
/// matchups it has worked out are remembered from one run to the next. It
/// shares an enumeration out among the cores.
const PokerLogic& Engine() {
  static const PokerLogic engine;
  return engine;
}

/// The same for history runs, whose files are read on every core already:
/// an enumeration keeps to the thread that asks for it.
const PokerLogic& HistoryEngine() {
  static const PokerLogic engine(1);
  return engine;
}

/// Reads one file on a worker thread. Whatever goes wrong inside (memory
/// running out on a huge file, say) ends the run with a message naming the
/// file, rather than ending the program.
FileOutcome ReadOneFile(const fs::path& path, const HandFilter& filter, const PokerLogic& engine,
                        HistoryText& buffer) {
  std::string reason;
  try {
    return ProcessHistoryFile(path, filter, engine, buffer);
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
/// and gives each outcome to `merge` on the calling thread in list order, as
/// soon as it and every file before it are read; meanwhile the calling thread
/// reports progress and polls for cancel. Workers read at most a few files
/// ahead of the merge, so memory holds a handful of files' results whatever
/// the number of files. `merge` returns false to stop the run (a file that
/// cannot be trusted). Returns false when the user cancelled.
bool ReadFilesInOrder(const std::vector<fs::path>& files, const HandFilter& filter,
                      const PokerLogic& engine, UserInterface& ui,
                      const std::function<bool(const FileOutcome&)>& merge) {
  const size_t total = files.size();
  const size_t threads =
      std::clamp<size_t>(std::thread::hardware_concurrency(), 1, std::max<size_t>(total, 1));
  const size_t window = 4 * threads;
  std::vector<std::optional<FileOutcome>> slots(window);  // file i waits in slot i % window
  size_t next = 0;                                        // the next file a worker takes
  size_t merged = 0;                                      // files given to `merge`
  size_t read = 0;                                        // files read, for the progress
  bool stop = false;
  std::mutex mutex;
  std::condition_variable readOne;    // a file was read
  std::condition_variable mergedOne;  // a slot came free

  auto work = [&] {
    HistoryText buffer;
    std::unique_lock lock(mutex);
    for (;;) {
      mergedOne.wait(lock, [&] { return stop || next >= total || next < merged + window; });
      if (stop || next >= total) return;
      const size_t i = next++;
      lock.unlock();
      FileOutcome outcome = ReadOneFile(files[i], filter, engine, buffer);
      lock.lock();
      slots[i % window] = std::move(outcome);
      ++read;
      readOne.notify_one();
    }
  };
  std::vector<std::jthread> workers;
  for (size_t t = 0; t < threads; ++t) workers.emplace_back(work);
  const auto stopWorkers = [&] {
    {
      std::lock_guard lock(mutex);
      stop = true;  // workers finish the file in hand and take no other
    }
    mergedOne.notify_all();
    workers.clear();  // joins
  };

  size_t reported = 0;
  ui.ReportProgress(0, total, WorkUnit::kFiles);
  while (merged < total) {
    std::optional<FileOutcome> outcome;
    size_t now;
    {
      std::unique_lock lock(mutex);
      readOne.wait_for(lock, std::chrono::milliseconds(100),
                       [&] { return read != reported || slots[merged % window]; });
      now = read;
      outcome.swap(slots[merged % window]);
    }
    if (outcome) {
      const bool goOn = merge(*outcome);
      outcome.reset();
      {
        std::lock_guard lock(mutex);
        ++merged;
      }
      mergedOne.notify_all();
      if (!goOn) break;
    }
    if (now != reported) ui.ReportProgress(reported = now, total, WorkUnit::kFiles);
    if (merged < total && ui.IsCancelRequested()) {
      stopWorkers();
      return false;
    }
  }
  stopWorkers();
  return true;
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

    // A file that cannot be trusted ends the run where it stands in the
    // list: what the files before it gave to the log and sums stays.
    FileMerge merge(app, report, resultsCents, runHands);
    std::wstring fatalError;
    const bool finished =
        ReadFilesInOrder(files, filter, HistoryEngine(), ui, [&](const FileOutcome& o) {
          if (!o.source.fatalError.empty()) {
            fatalError = o.source.fatalError;
            return false;
          }
          merge.Add(o);
          for (size_t r = 0; r < leftOut.hands.size(); ++r) leftOut.hands[r] += o.source.leftOut[r];
          return true;
        });
    if (!finished) {
      ui.ShowMessage(L"The analysis was cancelled.");
      return false;
    }
    if (!fatalError.empty()) {
      ui.ShowMessage(fatalError);
      return false;
    }
    // A folder whose files could not be listed is reported as a file is.
    for (const fs::path& folder : unreadableFolders) {
      FileOutcome outcome;
      outcome.source.path = PathToText(folder);
      outcome.source.skip = FileSkip::kFolderCannotOpen;
      merge.Add(outcome);
    }
    runBigBlind = merge.Finish(runBigBlind, skipped);
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
