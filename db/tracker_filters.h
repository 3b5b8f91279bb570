#pragma once
// The run's settings as each tracker's SQL: HoldemManager2 and PokerTracker 4
// find their own ids of the matching games or limits first; HVD gets a where
// clause and the ids of the matching hands.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "app/game_kinds.h"
#include "db/tracker_db.h"

namespace lumora {

/// The settings the trackers filter by.
struct TrackerFilter {
  int32_t cashLimit = 0;  ///< big blind in cents; 0 = all
  int32_t numPl = 0;      ///< table-size code; 4 = all
  int32_t currency = 0;
  int32_t siteIndex = 0;  ///< place of the site in the tracker's list
  int32_t siteId = 0;
  int32_t minPl = 2;
  int32_t maxPl = 10;
  int32_t zoom = 0;
  int32_t nonZoom = 1;
  GameFlags games{};
};

/// HoldemManager's condition on a game type's table size ("= 2", "= 3",
/// "between 4 and 6", "> 6"); empty for all table sizes.
std::wstring TableSizeCondition(int32_t numPl);

/// HoldemManager2's game-type query. Table sizes "All" ask for no size,
/// and big blinds "All" for no big blind (the tracker has no game type of a
/// big blind 0).
std::wstring GameTypeFilterSql(const TrackerFilter& filter);

/// PokerTracker 4's limit query. Its limits flag heads-up, short-handed and
/// full-ring play only: three-handed tables are short-handed, and "All"
/// asks for no flag.
std::wstring CashLimitFilterSql(const TrackerFilter& filter);

/// HVD's where clause ("where gametypes.currency = 0 and ...").
std::wstring BuildHandWhereClause(const TrackerFilter& filter);

/// HVD's query for the ids of the hands inside the date range (both ends
/// included).
std::wstring HandIdsSql(const std::wstring& where, int32_t siteId, int64_t from, int64_t to);

/// Runs the game-type (or limit) query and gathers its ids into `ids` and
/// the condition text "gametype_id = 1 or gametype_id = 4" (or "id_limit
/// = ...") into `condition`. False when the query could not be opened; no
/// matching row leaves both empty and returns true.
bool BuildGameTypeFilter(const TrackerDb& db, const TrackerFilter& filter,
                         std::vector<int32_t>& ids, std::wstring& condition);
bool BuildCashLimitFilter(const TrackerDb& db, const TrackerFilter& filter,
                          std::vector<int32_t>& ids, std::wstring& condition);

/// Gathers the ids of HVD's hands that pass `where` on the site, within
/// [from, to]. False when the query failed.
bool CollectHandIds(const TrackerDb& db, const TrackerFilter& filter, int64_t from, int64_t to,
                    const std::wstring& where, std::set<int64_t>& ids);

}  // namespace lumora
