#pragma once
// A run over the hands a poker tracker stored in its PostgreSQL database.

#include "app/hand_results.h"
#include "app/run_settings.h"
#include "app/user_interface.h"
#include "history/hand_filter.h"

namespace lumora {

/// Fetches the hands of the range [`filter.timeFrom`, `filter.timeTo`] and
/// appends the hero's results to `out` (path "DataBase"). True lets the run
/// go on to the statistics (possibly with no hands); false stops it.
bool RunDatabaseQuery(const RunSettings& settings, const HandFilter& filter, SourceResult& out,
                      UserInterface& ui);

}  // namespace lumora
