#include "ui/run_checks.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>

#include "app/date_range.h"
#include "app/log_file.h"
#include "app/settings_lists.h"
#include "base/local_time.h"
#include "base/text.h"
#include "db/tracker_db.h"
#include "run/folder_walk.h"

namespace lumora {
namespace {

bool IsPortNumber(const std::wstring& text) {
  if (text.empty() || text.size() > 5 ||
      !std::all_of(text.begin(), text.end(), [](wchar_t c) { return std::iswdigit(c); }))
    return false;
  const int port = ParseInt(text);
  return port >= 1 && port <= 65535;
}

std::optional<std::wstring> CheckHistory(const RunSettings& s) {
  if (Trim(s.NickName).empty())
    return L"Enter your nick on the \"History settings\" tab: the analysis reads the hands of "
           L"that player.";
  if (s.PokerRoom < 0 || s.PokerRoom >= static_cast<int32_t>(kRoomLabels.size()))
    return L"Choose a poker room on the \"History settings\" tab.";
  const std::filesystem::path folder = PathFromText(s.HistoryPath);
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error))
    return Format(L"The history folder \"%s\" does not exist.", s.HistoryPath);
  // Any date and any big blind: the question is whether the folder is the
  // room's at all. A closed log keeps this walk's trace out of the run's.
  LogFile quiet;
  std::vector<std::filesystem::path> files;
  WalkHistoryFolder(
      folder, {0, GetTimeFromString(kLatestRangeEnd).value_or(0), s.PokerRoom, true, 0, s.Currency},
      quiet, files);
  if (files.empty())
    return Format(L"The history folder \"%s\" holds no %s hand history.", s.HistoryPath,
                  std::wstring(kRoomLabels[s.PokerRoom]));
  return std::nullopt;
}

}  // namespace

std::optional<std::wstring> CheckRunInputs(const RunSettings& s) {
  if (s.Source != kDatabaseSource) return CheckHistory(s);
  if (Trim(s.NickDB).empty())
    return L"Enter your nick on the \"Database settings\" tab: the analysis reads the hands of "
           L"that player.";
  if (!IsPortNumber(s.Port))
    return Format(
        L"The port \"%s\" is not a number: enter the database server's port (1 to "
        L"65535) on the \"Database settings\" tab.",
        s.Port);
  return std::nullopt;
}

std::optional<std::wstring> CheckDatabaseReachable(const RunSettings& s, LogFile& log) {
  if (IsPostgresDriverInstalled() != DriverState::kInstalled)
    return Format(L"The ODBC driver \"%s\" is not installed.", std::wstring(kPostgresDriver));
  if (!OpenODBC(BuildConnectionString(s), L"SELECT 1", &log))
    return Format(
        L"The database \"%s\" on %s, port %s, cannot be reached as user \"%s\"; the "
        L"log holds the driver's words.",
        s.DBName, s.ServerIP, s.Port, s.DBUser);
  return std::nullopt;
}

}  // namespace lumora
