#pragma once
// What every read of a tracker's database shares: the kinds of tracker, the
// connection string, the driver check, one query with its rows, the sites
// of a tracker and the hero's player id.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/run_settings.h"
#include "db/odbc.h"

namespace lumora {

class LogFile;

/// Tracker kinds (DBSource), in the order of the data-source list.
enum TrackerKind : int32_t {
  kHoldemManager1 = 0,
  kHoldemManager2 = 1,
  kPokerTracker4 = 2,
  kHvd = 3,  ///< Lumora's own hand database
};

inline constexpr std::wstring_view kPostgresDriver = L"PostgreSQL Unicode";

/// A tracker's poker sites: site id to name, ascending by id.
using SiteMap = std::map<int32_t, std::wstring>;

/// The ODBC connection string for the database settings. A value holding a
/// character that would end or open a field (';', '{', '}') is braced, so
/// a password cannot add options of its own.
std::wstring BuildConnectionString(const RunSettings& settings);

/// Where the queries of one run go, and where their failures are logged.
struct TrackerDb {
  std::wstring connectionString;
  LogFile* log = nullptr;
};

/// Runs `sql` and calls `row` with each row in the order the server gives
/// them. False when the query could not be opened or a row could not be
/// read (the driver's words are in the log).
bool ForEachRow(const TrackerDb& db, std::wstring_view sql,
                const std::function<void(const CODBCRecordset&)>& row);

/// The sites of a tracker kind: fixed lists for HoldemManager and
/// PokerTracker 4, the "sites" table for HVD (empty when it cannot be read),
/// nothing for an unknown kind.
SiteMap LoadSiteList(int32_t kind, const TrackerDb& db);

/// The site at `index` of the list (its id), or 0 when the list is shorter.
int32_t SiteIdAt(const SiteMap& sites, int32_t index);

/// Whether ODBC can be used, and whether its "PostgreSQL Unicode" driver is
/// installed.
enum class DriverState { kInstalled, kMissing, kNoEnvironment };
DriverState IsPostgresDriverInstalled();

/// A text placed between single quotes in SQL: every quote doubled, so that
/// "O'Brien" neither breaks the query nor adds to it.
std::wstring EscapeSqlText(std::wstring_view text);

/// The hero's player id in an HVD database (the last matching row), or 0
/// when the player is not there or the query fails.
int64_t FindPlayerId(const TrackerDb& db, int32_t siteId, std::wstring_view nick);

}  // namespace lumora
