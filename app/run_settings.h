#pragma once
// The settings a run reads. The ribbon, the dialogs and the command line
// write them; the profile (app/profile.h) persists them in section "Base".

#include <cstdint>
#include <string>

#include "app/game_kinds.h"

namespace lumora {

/// Room codes: the room list's index and what format detection reports.
enum PokerRoomCode : int32_t {
  kPartyPoker = 0,
  kPokerStars = 1,
  k888Poker = 2,  ///< 888poker and LotosPoker
  kTigerGaming = 3,
  kIPoker = 4,  ///< the XML session files
};

/// Currency index: 0 US dollar, 1 euro, 2 pound.
enum CurrencyCode : int32_t { kUsd = 0, kEur = 1, kGbp = 2 };

/// Table-size codes of NumPl: 0 heads-up, 1 three-handed, 2 six-max,
/// 3 full ring (7-10), 4 all.
inline constexpr int32_t kAllTableSizes = 4;

/// Source of a run: 0 hand-history folder, 1 tracker database.
inline constexpr int32_t kHistorySource = 0;
inline constexpr int32_t kDatabaseSource = 1;

struct RunSettings {
  std::wstring HistoryPath = L"c:";  ///< root folder of the hand-history files
  std::wstring NickName;             ///< the hero's screen name in history files
  std::wstring ConnectionString;     ///< ODBC connection string, built before each database use
  std::wstring NickDB = L"Name";     ///< the hero's screen name in the tracker
  int32_t PokerRoom = kPartyPoker;
  int32_t DBPokerRoomIndex = 0;   ///< position in the database poker-room list
  int32_t DBPokerRoomSiteId = 0;  ///< the tracker's site id of that entry
  int32_t CashLimit = 2;          ///< big blind in cents; 0 = all limits
  int32_t NumPl = 0;              ///< table size code
  int32_t minPl = 2;              ///< players seated, inclusive bounds 2..10
  int32_t maxPl = 10;
  int32_t Currency = kUsd;
  int32_t CurrencyCompare = kUsd;
  int32_t CashLimit_0 = 2;  ///< big blinds in cents of the two compared limits
  int32_t CashLimit_1 = 2;
  int32_t NumPl_0 = 0;
  int32_t NumPl_1 = 0;
  int32_t Source = kHistorySource;
  int32_t DBSource = 0;  ///< tracker kind 0..3
  int32_t Zoom = 0;      ///< take hands of fast-fold tables
  int32_t NonZoom = 1;   ///< take hands of ordinary tables
  // The database connection as typed (ribbon edits, command-line options).
  std::wstring ServerIP = L"127.0.0.1";
  std::wstring Port = L"5432";
  std::wstring DBName = L"Name";
  std::wstring DBUser = L"postgres";
  std::wstring DBPass = L"quartzpebble";
};

/// The inclusive date range of a run, seconds since 1970.
struct DateRange {
  int64_t from = 0;
  int64_t to = 0;
};

}  // namespace lumora
