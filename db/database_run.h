#pragma once
// A run over the hands a poker tracker stored in its PostgreSQL database:
// the stored hand texts go to the same readers as history files; HVD gives
// each hand's result itself.

#include <cstdint>
#include <functional>
#include <string_view>

#include "app/run_settings.h"
#include "app/user_interface.h"
#include "base/history_file.h"
#include "history/hand_filter.h"
#include "history/source_result.h"

namespace lumora {

class LogFile;
class PokerLogic;

/// The source label a stored hand's reports carry where a file path would.
inline constexpr const wchar_t* kDatabaseLabel = L"DataBase";

/// Cuts a stored hand text into lines at each line feed (a carriage return
/// stays with its line; the run trims the lines before a reader sees them).
/// Text after the last line feed is a line too: a hand stored without a final
/// line feed keeps it.
TextLines SplitHandText(std::wstring_view text);

/// Rows the server sends at a time. A piece of stored hands is a few MB in
/// the driver, however many hands the tracker holds; more rows per piece
/// save few round trips.
inline constexpr int32_t kDatabaseFetchRows = 1000;

/// Takes the results of one piece of rows as soon as it is read: its counted
/// hands, all-in reports, notes and counts, with `path` the source label.
/// It may take what it needs out of `piece`. Returning false stops the
/// reading there (the user cancelled).
using DatabasePieceSink = std::function<bool(SourceResult& piece)>;

/// Fetches the hands of the range [`filter.timeFrom`, `filter.timeTo`] from
/// the tracker the settings name, `fetchRows` rows (at least 1) at a time,
/// reads each as it arrives and hands the results to `takePiece` piece by
/// piece, reporting rows read of the query's rows to `ui` between pieces.
/// True lets the run go on to the statistics (possibly with no hands);
/// false stops it after its message, also when the query fails after some
/// pieces were taken (those then are not the whole range) and when
/// `takePiece` stopped it.
bool StreamDatabaseQuery(const RunSettings& settings, const HandFilter& filter,
                         const PokerLogic& engine, LogFile& log, UserInterface& ui,
                         const DatabasePieceSink& takePiece,
                         int32_t fetchRows = kDatabaseFetchRows);

/// The same run with every piece collected in `out` (its `completed` set
/// when the run may go on).
bool RunDatabaseQuery(const RunSettings& settings, const HandFilter& filter,
                      const PokerLogic& engine, LogFile& log, UserInterface& ui, SourceResult& out,
                      int32_t fetchRows = kDatabaseFetchRows);

}  // namespace lumora
