#include "db/tracker_filters.h"

#include "app/settings_lists.h"
#include "base/text.h"

namespace lumora {
namespace {

/// Runs a filter query and joins "<column> = <id>" of its rows with " or ".
bool GatherIds(const TrackerDb& db, const std::wstring& sql, const wchar_t* column,
               std::vector<int32_t>& ids, std::wstring& condition) {
  ids.clear();
  condition.clear();
  return ForEachRow(db, sql, [&](const CODBCRecordset& row) {
    const auto id = static_cast<int32_t>(row.Field(column).AsLong());
    ids.push_back(id);
    if (!condition.empty()) condition += L" or ";
    condition += Format(L"%s = %d", std::wstring(column), id);
  });
}

}  // namespace

std::wstring TableSizeCondition(int32_t numPl) {
  static constexpr const wchar_t* kSizes[] = {L"= 2", L"= 3", L"between 4 and 6", L"> 6"};
  return numPl >= 0 && numPl < 4 ? kSizes[numPl] : L"";
}

std::wstring GameTypeFilterSql(const TrackerFilter& f) {
  const std::wstring condition = TableSizeCondition(f.numPl);
  const std::wstring size = condition.empty() ? L"" : L" and TableSize " + condition;
  std::wstring sql = L"select * from gametypes where ";
  if (f.cashLimit == 0)
    sql += L"istourney = FALSE";
  else if (f.siteIndex == 0)
    sql += Format(L"(bigblindincents = %d or smallblindincents = %d) and istourney = FALSE",
                  f.cashLimit, f.cashLimit / 2);
  else
    sql += Format(L"bigblindincents = %d and istourney = FALSE", f.cashLimit);
  return sql + Format(L" and currencytype_id = %d%s;", f.currency, size);
}

std::wstring CashLimitFilterSql(const TrackerFilter& f) {
  static constexpr const wchar_t* kFlags[] = {L"flg_hu", L"flg_sh", L"flg_sh", L"flg_fr"};
  const std::wstring currency =
      f.currency >= 0 && f.currency < 3 ? std::wstring(kCurrencyWords[f.currency]) : L"";
  std::wstring sql = L"select * from cash_limit where ";
  if (f.cashLimit != 0) sql += Format(L"amt_bb = %.2lf and ", f.cashLimit * 0.01);
  sql += Format(L"limit_currency = '%s'", currency);
  if (f.numPl >= 0 && f.numPl < 4) sql += Format(L" and %s = TRUE", std::wstring(kFlags[f.numPl]));
  return sql + L";";
}

std::wstring BuildHandWhereClause(const TrackerFilter& f) {
  std::wstring where = Format(L"where gametypes.currency = %d", f.currency);
  static constexpr const wchar_t* kSeats[] = {L"gametypes.maxseats = 2", L"gametypes.maxseats = 3",
                                              L"gametypes.maxseats = 6", L"gametypes.maxseats > 6"};
  if (f.numPl >= 0 && f.numPl < 4) where += L" and " + std::wstring(kSeats[f.numPl]);
  where += Format(L" and hands.seats between %d and %d", f.minPl, f.maxPl);
  if (f.cashLimit != 0)
    where += Format(L" and gametypes.bigblind = %d", f.cashLimit);
  else
    where += Format(L" and gametypes.bigblind < %d", kBigBlindRangeTop + 1);
  if (f.zoom == 1 && f.nonZoom != 1) where += L" and gametypes.fast = true";
  if (f.nonZoom == 1 && f.zoom != 1) where += L" and gametypes.fast = false";

  if (f.games[kAllGames] != 0) return where;
  // Each group is either the whole group's range of kinds or its single kinds.
  std::vector<std::wstring> kinds;
  const auto group = [&](int box, int first, int last, const wchar_t* single) {
    if (f.games[box] != 0) {
      kinds.push_back(
          Format(L"gametypes.idgamekind > %d and gametypes.idgamekind < %d", box, last + 1));
      return;
    }
    for (int kind = first; kind <= last; ++kind)
      if (f.games[kind] != 0) kinds.push_back(Format(single, kind));
  };
  group(kHoldemGames, 2, 4, L"idgamekind = %d");
  group(kOmahaGames, 6, 11, L"idgamekind = %d");
  group(kFiveCardOmahaGames, 13, 18, L"gametypes.idgamekind = %d");
  if (kinds.empty()) return where;
  where += L" and (";
  for (size_t i = 0; i < kinds.size(); ++i) where += (i ? L" or (" : L"(") + kinds[i] + L")";
  return where + L" )";
}

std::wstring HandIdsSql(const std::wstring& where, int32_t siteId, int64_t from, int64_t to) {
  return Format(
      L"select hands.id as idhand from hands, files, gametypes %s and hands.idfile = files.id and "
      L"gametypes.id = hands.idgametype and files.idsite = %d and hands.localtime >  %d and "
      L"hands.localtime <  %d;",
      where, siteId, from - 1, to + 1);
}

bool BuildGameTypeFilter(const TrackerDb& db, const TrackerFilter& filter,
                         std::vector<int32_t>& ids, std::wstring& condition) {
  return GatherIds(db, GameTypeFilterSql(filter), L"gametype_id", ids, condition);
}

bool BuildCashLimitFilter(const TrackerDb& db, const TrackerFilter& filter,
                          std::vector<int32_t>& ids, std::wstring& condition) {
  return GatherIds(db, CashLimitFilterSql(filter), L"id_limit", ids, condition);
}

bool CollectHandIds(const TrackerDb& db, const TrackerFilter& filter, int64_t from, int64_t to,
                    const std::wstring& where, std::set<int64_t>& ids) {
  ids.clear();
  return ForEachRow(db, HandIdsSql(where, filter.siteId, from, to),
                    [&](const CODBCRecordset& row) { ids.insert(row.Field(L"idhand").AsLong()); });
}

}  // namespace lumora
