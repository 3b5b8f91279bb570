#pragma once
// The application's state between user actions: the settings a run reads,
// the figures of the last run, the results of every limit analysed, the
// risk-of-ruin curves and the log. The faces own one instance for the life of
// the process and hand it to the run; the object composes, it does no work.
// The equity engine is not among them: it belongs to the run, which is the
// only layer that asks it.

#include <filesystem>
#include <mutex>

#include "app/game_kinds.h"
#include "app/limit_results.h"
#include "app/log_file.h"
#include "app/ror_curve.h"
#include "app/run_settings.h"
#include "app/run_summary.h"

namespace lumora {

class CLumoraApp {
 public:
  /// Opens the log at `logPath` (see LogFile::Open); a log that cannot be
  /// opened leaves the program running without one.
  explicit CLumoraApp(const std::filesystem::path& logPath);
  CLumoraApp(const CLumoraApp&) = delete;
  CLumoraApp& operator=(const CLumoraApp&) = delete;

  RunSettings m_settings;
  GameFlags m_nBC = AllGamesSelected();
  DateRange m_dateRange;
  RunSummary m_summary;
  LimitResultMap m_limitResults;
  RorCurve m_rorCurve;
  LogFile m_log;
  /// Held while an all-in hand's report block and sums are written.
  std::mutex m_criticalSection;
};

}  // namespace lumora
