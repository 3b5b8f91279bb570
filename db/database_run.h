#pragma once
// A run over the hands a poker tracker stored in its PostgreSQL database:
// the stored hand texts go to the same readers as history files; HVD gives
// each hand's result itself.

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
/// stays with its line, and the readers trim it). Text after the last line
/// feed is a line too: a hand stored without a final line feed keeps it.
TextLines SplitHandText(std::wstring_view text);

/// Fetches the hands of the range [`filter.timeFrom`, `filter.timeTo`] from
/// the tracker the settings name and appends the hero's results to `out`.
/// True lets the run go on to the statistics (possibly with no hands); false
/// stops it after its message.
bool RunDatabaseQuery(const RunSettings& settings, const HandFilter& filter,
                      const PokerLogic& engine, LogFile& log, UserInterface& ui, SourceResult& out);

}  // namespace lumora
