#include "db/database_run.h"

#include <algorithm>
#include <array>
#include <future>
#include <iterator>
#include <set>
#include <thread>
#include <utility>

#include "app/log_file.h"
#include "app/run_report.h"
#include "base/local_time.h"
#include "base/text.h"
#include "db/piece_queue.h"
#include "db/tracker_db.h"
#include "db/tracker_filters.h"
#include "history/hand_reading.h"
#include "history/history_hands.h"
#include "history/poker888.h"
#include "history/pokerstars_hand.h"

namespace lumora {
namespace {

/// A range end as the trackers store their times: local time,
/// "2024-03-05 06:34:56".
std::wstring Stamp(int64_t time) {
  const auto date = ToLocalDate(time);
  if (!date) return L"1970-01-01 00:00:00";
  const CalendarFields& f = date->fields;
  return Format(L"%d-%02d-%02d %02d:%02d:%02d", f.year, f.month, f.day, f.hour, f.minute, f.second);
}

/// Stored times back in seconds since 1970 (0 for one that is not a time).
/// The hands of a piece mostly share their hour, which the memo converts
/// once.
class StampReader {
 public:
  int64_t TimeOf(std::wstring_view stamp) {
    CalendarFields f;
    if (swscanf(std::wstring(stamp).c_str(), L"%d-%d-%d %d:%d:%d", &f.year, &f.month, &f.day,
                &f.hour, &f.minute, &f.second) != 6)
      return 0;
    return m_memo.Convert(f).value_or(0);
  }

 private:
  LocalTimeMemo m_memo;
};

TrackerFilter MakeTrackerFilter(const RunSettings& s, const HandFilter& hands) {
  TrackerFilter f;
  f.cashLimit = s.CashLimit;
  f.numPl = s.NumPl;
  f.currency = s.Currency;
  f.siteIndex = s.DBPokerRoomIndex;
  f.siteId = s.DBPokerRoomSiteId;
  f.minPl = s.minPl;
  f.maxPl = s.maxPl;
  f.zoom = s.Zoom;
  f.nonZoom = s.NonZoom;
  f.games = hands.games;
  return f;
}

/// HoldemManager1 keeps its hand texts in a table of its own:
///   pokerhands(pokerhand_id, site_id, gametype_id, handtimestamp, handhistory)
///   gametypes(gametype_id, bigblindincents, smallblindincents, istourney,
///             currencytype_id, tablesize)
/// The query applies the site, the big blind, the currency, the table size
/// and the date range, and gives the hand text in column "handhistory".
std::wstring HoldemManager1Sql(const TrackerFilter& f, const std::wstring& from,
                               const std::wstring& to) {
  std::wstring sql = Format(
      L"select pokerhands.handhistory, pokerhands.handtimestamp from pokerhands, gametypes where "
      L"pokerhands.gametype_id = gametypes.gametype_id and pokerhands.site_id = %d and "
      L"gametypes.istourney = FALSE and gametypes.currencytype_id = %d",
      f.siteId, f.currency);
  if (f.cashLimit != 0) sql += Format(L" and gametypes.bigblindincents = %d", f.cashLimit);
  if (const std::wstring size = TableSizeCondition(f.numPl); !size.empty())
    sql += L" and gametypes.tablesize " + size;
  return sql + Format(L" and pokerhands.handtimestamp between '%s' and '%s';", from, to);
}

/// The query of the hands (or, for HVD, the results) of the run; empty when
/// the run must stop. `handIds` receives HVD's selected hands.
std::wstring HandQuery(const RunSettings& settings, const TrackerFilter& filter,
                       const TrackerDb& db, const HandFilter& hands, UserInterface& ui,
                       std::set<int64_t>& handIds, bool& stop) {
  const std::wstring from = Stamp(hands.timeFrom);
  const std::wstring to = Stamp(hands.timeTo);
  std::vector<int32_t> ids;
  std::wstring condition;
  switch (settings.DBSource) {
    case kHoldemManager1:
      return HoldemManager1Sql(filter, from, to);
    case kHoldemManager2:
      if (!BuildGameTypeFilter(db, filter, ids, condition)) break;
      return Format(
          L"select * from handhistories where pokersite_id = %d and (%s) and "
          L"handtimestamp between '%s' and '%s';",
          filter.siteId, condition, from, to);
    case kPokerTracker4:
      if (!BuildCashLimitFilter(db, filter, ids, condition)) break;
      return Format(
          L"select * from cash_hand_player_statistics where id_pokersite = %d and (%s) "
          L"and handtimestamp between '%s' and '%s';",
          filter.siteId, condition, from, to);
    case kHvd: {
      if (!CollectHandIds(db, filter, hands.timeFrom, hands.timeTo, BuildHandWhereClause(filter),
                          handIds))
        break;
      const int64_t player = FindPlayerId(db, filter.siteId, settings.NickDB);
      if (player == 0) {
        ui.ShowMessage(L"Player is not founded in DB!");
        break;
      }
      return Format(L"select * from handsplayers where idplayer = %d;", player);
    }
    default:
      return {};
  }
  stop = true;
  return {};
}

/// Hands each line of `text` to `takeLine`, cut as SplitHandText cuts.
template <typename Char, typename TakeLine>
void ForEachHandLine(std::basic_string_view<Char> text, const TakeLine& takeLine) {
  for (size_t start = 0; start < text.size();) {
    const size_t feed = std::min(text.find(Char('\n'), start), text.size());
    takeLine(text.substr(start, feed - start));
    start = feed + 1;
  }
}

/// Cuts `text` into `lines` (emptied first) at each line feed.
void SplitHandTextInto(std::wstring_view text, TextLines& lines) {
  lines.clear();
  ForEachHandLine(text, [&](std::wstring_view line) { lines.push_back(line); });
}

/// Decodes a stored hand's UTF-8 text into `wide` and cuts it into `lines`
/// (emptied first) as SplitHandText cuts, each line trimmed as the readers
/// take them. The line feeds are looked for among the bytes, a quarter of the
/// decoded text's; no UTF-8 sequence holds one.
void DecodeHandText(std::string_view bytes, ReusedBuffer<wchar_t>& wide, TextLines& lines) {
  lines.clear();
  wchar_t* out = wide.Reserve(bytes.size());
  ForEachHandLine(bytes, [&](std::string_view line) {
    wchar_t* const end = DecodeUtf8Text(line, out);
    lines.emplace_back(TrimView(std::wstring_view(out, static_cast<size_t>(end - out))));
    out = end;
  });
}

/// How many rows `sql` gives, for the progress of its reading; 0 when the
/// count cannot be had (the progress then shows no total).
size_t CountRows(const TrackerDb& db, std::wstring_view sql) {
  if (sql.ends_with(L';')) sql.remove_suffix(1);
  size_t count = 0;
  ForEachRow(db, Format(L"select count(*) as counted from (%s) as hand_rows;", std::wstring(sql)),
             [&](const CODBCRecordset& row) {
               count = static_cast<size_t>(std::max<int64_t>(row.Field(L"counted").AsLong(), 0));
             });
  return count;
}

/// An HVD row: the hand's result as the tracker stored it, when the hand is
/// one of the selected.
void TakeHvdResult(const CODBCRecordset& row, const std::set<int64_t>& handIds, int64_t bigBlind,
                   SourceResult& piece) {
  const int64_t hand = row.Field(L"idhand").AsLong();
  if (!handIds.contains(hand)) return;
  piece.hands.push_back({std::to_wstring(hand), 0, bigBlind,
                         static_cast<double>(row.Field(L"netwin").AsLong()), std::nullopt});
}

/// A piece's results before its first row.
SourceResult EmptyPiece() {
  SourceResult piece;
  piece.path = kDatabaseLabel;
  return piece;
}

/// The texts of one column over the rows of a piece, one after another in
/// one buffer: a thousand stored hands, each in a string of its own, cost a
/// thousand allocations on the thread that fetches.
template <typename Char>
class PackedTexts {
 public:
  void Add(std::basic_string_view<Char> text) {
    m_chars.append(text);
    m_ends.push_back(m_chars.size());
  }
  size_t size() const { return m_ends.size(); }
  std::basic_string_view<Char> operator[](size_t row) const {
    const size_t start = row == 0 ? 0 : m_ends[row - 1];
    return std::basic_string_view<Char>(m_chars).substr(start, m_ends[row] - start);
  }

 private:
  std::basic_string<Char> m_chars;
  std::vector<size_t> m_ends;
};

/// Stored hands fetched from the server and not yet read.
struct FetchedHands {
  PackedTexts<char> texts;      ///< column "handhistory", as UTF-8
  PackedTexts<wchar_t> stamps;  ///< column "handtimestamp"
};

/// Reads fetched stored hands with the room's hand reader, as the hands of a
/// history file are read. Touches nothing but its own result, so pieces may
/// be read side by side.
SourceResult ReadStoredHands(const FetchedHands& hands, int32_t siteIndex, const HandFilter& filter,
                             int64_t bigBlind, const PokerLogic& engine) {
  SourceResult piece = EmptyPiece();
  ReusedBuffer<wchar_t> text;
  TextLines lines;
  StampReader stamps;
  for (size_t i = 0; i < hands.texts.size(); ++i) {
    DecodeHandText(hands.texts[i], text, lines);
    // The stored text opens with the hand's header; it is not read again.
    bool headerSeen = true;
    HandReading reading =
        siteIndex == k888Poker
            ? Read888Hand(kDatabaseLabel, filter, lines, siteIndex, bigBlind, headerSeen, engine)
            : ReadPokerStarsHand(kDatabaseLabel, filter, lines, siteIndex, bigBlind, headerSeen,
                                 engine);
    std::wstring number = ShownHandNumber(
        reading, lines.empty() ? std::wstring_view() : lines.front(), filter.handIds);
    AppendReading(std::move(reading),
                  {std::move(number), stamps.TimeOf(hands.stamps[i]), bigBlind, 0.0, std::nullopt},
                  piece);
  }
  return piece;
}

/// Moves what `piece` holds to the end of `out`.
void AppendPiece(SourceResult& piece, SourceResult& out) {
  const auto moveAll = [](auto& from, auto& to) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
  };
  moveAll(piece.hands, out.hands);
  moveAll(piece.allInValues, out.allInValues);
  moveAll(piece.allInReports, out.allInReports);
  moveAll(piece.paneNotes, out.paneNotes);
  moveAll(piece.logNotes, out.logNotes);
  for (size_t r = 0; r < out.leftOut.size(); ++r) out.leftOut[r] += piece.leftOut[r];
}

}  // namespace

TextLines SplitHandText(std::wstring_view text) {
  TextLines lines;
  SplitHandTextInto(text, lines);
  return lines;
}

bool StreamDatabaseQuery(const RunSettings& settings, const HandFilter& filter,
                         const PokerLogic& engine, LogFile& log, UserInterface& ui,
                         const DatabasePieceSink& takePiece, int32_t fetchRows) {
  switch (IsPostgresDriverInstalled()) {
    case DriverState::kNoEnvironment:
      ui.ShowMessage(L"Error ODBC API Initialisation!");
      return true;
    case DriverState::kMissing:
      log.WriteLog(L"ODBC: the driver \"PostgreSQL Unicode\" is not installed");
      return true;
    case DriverState::kInstalled:
      break;
  }

  const TrackerDb db{BuildConnectionString(settings), &log};
  const TrackerFilter trackerFilter = MakeTrackerFilter(settings, filter);
  std::set<int64_t> handIds;
  bool stop = false;
  const std::wstring sql = HandQuery(settings, trackerFilter, db, filter, ui, handIds, stop);
  if (stop) return false;
  // A cursor on the server: the driver holds one piece of rows at a time
  // instead of the whole result, which for a tracker of millions of hands
  // would not fit in memory.
  fetchRows = std::max(fetchRows, 1);
  const auto rows =
      sql.empty()
          ? nullptr
          : OpenODBC(db.connectionString + Format(L"UseDeclareFetch=1;Fetch=%d;", fetchRows), sql,
                     &log, {L"handhistory", L"handtimestamp", L"idhand", L"netwin"});
  const auto failed = [&] {
    RunReport(log, ui).OutputOnly(Format(L"Error: request <%s>!\n", sql));
    return false;
  };
  if (!rows) return failed();

  const size_t total = CountRows(db, sql);
  ui.ReportProgress(0, total, WorkUnit::kStoredHands);
  const int64_t bigBlind = settings.CashLimit;
  const int32_t siteIndex = settings.DBPokerRoomIndex;
  const bool hvd = settings.DBSource == kHvd;
  // The reading of a piece's hands is most of a run's work: it goes to
  // worker threads, one piece each, while the next pieces are fetched.
  PieceQueue queue(
      takePiece, [&](size_t handed) { ui.ReportProgress(handed, total, WorkUnit::kStoredHands); },
      std::max(std::thread::hardware_concurrency(), 2u));
  SourceResult hvdPiece = EmptyPiece();  // HVD's rows give their results as they are
  FetchedHands fetched;
  size_t rowsInPiece = 0;
  const auto queuePiece = [&] {
    std::future<SourceResult> results;
    if (hvd) {
      std::promise<SourceResult> ready;
      ready.set_value(std::exchange(hvdPiece, EmptyPiece()));
      results = ready.get_future();
    } else {
      results = std::async(std::launch::async,
                           [&filter, &engine, siteIndex, bigBlind, hands = std::move(fetched)] {
                             return ReadStoredHands(hands, siteIndex, filter, bigBlind, engine);
                           });
      fetched = FetchedHands();
    }
    return queue.Add(std::exchange(rowsInPiece, 0), std::move(results));
  };
  for (; !rows->IsEOF(); rows->MoveNext()) {
    if (hvd) {
      TakeHvdResult(*rows, handIds, bigBlind, hvdPiece);
    } else {
      fetched.texts.Add(rows->Utf8Text(L"handhistory"));
      fetched.stamps.Add(rows->Text(L"handtimestamp"));
    }
    if (++rowsInPiece == static_cast<size_t>(fetchRows) && !queuePiece()) return false;
  }
  // Rows lost part-way would give a total that looks whole and is not.
  if (rows->Failed()) return failed();
  return (rowsInPiece == 0 || queuePiece()) && queue.Finish();
}

bool RunDatabaseQuery(const RunSettings& settings, const HandFilter& filter,
                      const PokerLogic& engine, LogFile& log, UserInterface& ui, SourceResult& out,
                      int32_t fetchRows) {
  out.path = kDatabaseLabel;
  const auto collect = [&](SourceResult& piece) {
    AppendPiece(piece, out);
    return true;
  };
  out.completed = StreamDatabaseQuery(settings, filter, engine, log, ui, collect, fetchRows);
  return out.completed;
}

}  // namespace lumora
