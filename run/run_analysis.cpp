#include "run/run_analysis.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/lumora_app.h"
#include "app/run_report.h"
#include "app/user_interface.h"
#include "base/history_file.h"
#include "base/text.h"
#include "db/database_run.h"
#include "equity/poker_logic.h"
#include "run/file_reading.h"
#include "run/folder_walk.h"
#include "run/left_out_report.h"
#include "run/process_file.h"
#include "run/source_merge.h"
#include "run/statistics_step.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

/// The equity engine of this process's runs, built on first use: matchups it
/// has worked out are remembered from one run to the next. Files and stored
/// hands are both read on every core already, so an enumeration keeps to the
/// thread that asks for it: sharing it out would only add threads that wait.
const PokerLogic& Engine() {
  static const PokerLogic engine(1);
  return engine;
}

/// More hands than the files can hold: every hand takes well over
/// kFewestBytesPerHand bytes of text. The run's store takes this room at
/// once and never moves, for a move would hold the old and the new store at
/// once; the room no hand fills is never written, and memory never written
/// costs nothing.
size_t HandsAtMost(const std::vector<fs::path>& files) {
  constexpr std::uintmax_t kFewestBytesPerHand = 100;
  std::uintmax_t bytes = 0;
  for (const fs::path& file : files) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (!error) bytes += std::min(size, kMaxHistoryFileBytes);
  }
  return static_cast<size_t>(bytes / kFewestBytesPerHand);
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
  HandFilter filter = MakeHandFilter(settings, app.m_nBC, app.m_dateRange);
  filter.handIds = runHands && runHands->kept == RunHands::Kept::kWhole;
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
    resultsCents.reserve(HandsAtMost(files));
    for (int i = 0; i < kGameKindCount; ++i)
      report.LogOnly(Format(L"m_nBC[%d] = %d", i, app.m_nBC[i]));

    // A file that cannot be trusted ends the run where it stands in the
    // list: what the files before it gave to the log and sums stays.
    FileMerge merge(app, report, resultsCents, runHands);
    std::wstring fatalError;
    const unsigned readers = std::max(1u, std::thread::hardware_concurrency());
    const bool finished =
        ReadFilesInOrder(files, filter, Engine(), readers, ui, [&](const FileOutcome& o) {
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
