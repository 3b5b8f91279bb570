#include "db/tracker_db.h"

#include <array>
#include <utility>

#include "base/text.h"

namespace lumora {
namespace {

/// One field of a connection string: braced when the value could be read as
/// more than one field ("}" doubled inside the braces).
std::wstring ConnectionValue(std::wstring_view value) {
  if (value.find_first_of(L";{}") == std::wstring_view::npos && TrimView(value) == value)
    return std::wstring(value);
  std::wstring braced = L"{";
  for (const wchar_t c : value) {
    braced += c;
    if (c == L'}') braced += L'}';
  }
  return braced + L"}";
}

// The site lists of HoldemManager (A) and PokerTracker 4 (B). The first
// three of each are the rooms whose hand texts the readers take, in the order
// of the room codes (PartyPoker, PokerStars, 888poker), so that a site's
// place in the list picks its reader.
constexpr std::array<std::pair<int32_t, std::wstring_view>, 21> kListA = {{
    {0, L"PartyPoker"},   {1, L"PokerStars"},   {2, L"888poker"},    {4, L"Everest"},
    {5, L"iPoker"},       {6, L"Ongame"},       {7, L"Microgaming"}, {8, L"Cake"},
    {9, L"Entraction"},   {10, L"Merge"},       {12, L"Bodog"},      {14, L"Winamax"},
    {15, L"Boss Media"},  {16, L"Cereus"},      {17, L"Full Tilt"},  {18, L"Yatahay"},
    {19, L"Equity"},      {20, L"iPoker Asia"}, {21, L"Revolution"}, {22, L"PKR"},
    {30, L"TigerGaming"},
}};

constexpr std::array<std::pair<int32_t, std::wstring_view>, 24> kListB = {{
    {100, L"PartyPoker"},  {200, L"PokerStars"}, {300, L"888poker"},     {400, L"Full Tilt"},
    {500, L"iPoker"},      {600, L"Everest"},    {700, L"Ongame"},       {800, L"Boss Media"},
    {900, L"Cereus"},      {1000, L"Merge"},     {1100, L"Microgaming"}, {1200, L"Winamax"},
    {1300, L"Entraction"}, {1400, L"Cake"},      {1500, L"Bodog"},       {1600, L"Dollaro"},
    {1700, L"Revolution"}, {1900, L"Equity"},    {2100, L"PKR"},         {2200, L"Yatahay"},
    {2300, L"Enet"},       {2400, L"Chico"},     {2500, L"WPN"},         {2600, L"GGNetwork"},
}};

template <size_t N>
SiteMap FixedList(const std::array<std::pair<int32_t, std::wstring_view>, N>& list) {
  SiteMap sites;
  for (const auto& [id, name] : list) sites[id] = std::wstring(name);
  return sites;
}

}  // namespace

std::wstring BuildConnectionString(const RunSettings& s) {
  return Format(L"Driver={PostgreSQL Unicode};Server=%s;Port=%s;Database=%s;Uid=%s;Pwd=%s;",
                ConnectionValue(s.ServerIP), ConnectionValue(s.Port), ConnectionValue(s.DBName),
                ConnectionValue(s.DBUser), ConnectionValue(s.DBPass));
}

bool ForEachRow(const TrackerDb& db, std::wstring_view sql,
                const std::function<void(const CODBCRecordset&)>& row) {
  const auto rows = OpenODBC(db.connectionString, sql, db.log);
  if (!rows) return false;
  for (; !rows->IsEOF(); rows->MoveNext()) row(*rows);
  return !rows->Failed();
}

SiteMap LoadSiteList(int32_t kind, const TrackerDb& db) {
  switch (kind) {
    case kHoldemManager1:
    case kHoldemManager2:
      return FixedList(kListA);
    case kPokerTracker4:
      return FixedList(kListB);
    case kHvd: {
      SiteMap sites;
      ForEachRow(db, L"select * from sites", [&](const CODBCRecordset& row) {
        sites[row.Field(L"id").AsInt()] = row.Field(L"name").AsString();
      });
      return sites;
    }
    default:
      return {};
  }
}

int32_t SiteIdAt(const SiteMap& sites, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= sites.size()) return 0;
  return std::next(sites.begin(), index)->first;
}

DriverState IsPostgresDriverInstalled() {
  const OdbcEnvironment env;
  if (!env.ok()) return DriverState::kNoEnvironment;
  return TestDSNDriver(env, kPostgresDriver) ? DriverState::kInstalled : DriverState::kMissing;
}

std::wstring EscapeSqlText(std::wstring_view text) {
  std::wstring escaped;
  for (const wchar_t c : text) {
    escaped += c;
    if (c == L'\'') escaped += L'\'';
  }
  return escaped;
}

int64_t FindPlayerId(const TrackerDb& db, int32_t siteId, std::wstring_view nick) {
  int64_t id = 0;
  ForEachRow(db,
             Format(L"select * from players where idsite = %d and name = '%s';", siteId,
                    EscapeSqlText(nick)),
             [&](const CODBCRecordset& row) { id = row.Field(L"idplayer").AsLong(); });
  return id;
}

}  // namespace lumora
