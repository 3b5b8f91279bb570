#pragma once
// Every key of the profile's section "Base" in one table: its default, the
// RunSettings field it is loaded into, how its value reads to a person, and
// where a person changes it. The store loads and saves RunSettings from this
// table, lumora-cli names its options after it and lists it ("lumora-cli
// settings"), and a message that points at a setting takes the place from it.
// The big-blind settings are stored as the index of the chosen entry of the
// big-blind list (app/settings_lists.h), the date-range ends as their text
// form (app/date_range.h), the game selection as its text form
// (app/game_selection.h).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/run_settings.h"

namespace lumora::keys {

/// Where a person changes a setting: an option of a lumora-cli command, and
/// the desktop program's control, by its ribbon tab and its label.
struct Place {
  std::string_view command;   ///< "make" or "compare"
  std::string_view option;    ///< "--bb"
  std::wstring_view tab;      ///< "Home"
  std::wstring_view control;  ///< "Select size of BB:"
};

/// How a stored value reads to a person, in the form its option takes.
enum class Shown {
  kText,
  kHidden,  ///< a password: never shown
  kNumber,
  kSwitch,     ///< 0/1 as "off"/"on"
  kRoom,       ///< a room-list label
  kTableSize,  ///< a table-size label
  kBigBlind,   ///< stored as the big-blind list's index, held in cents
  kCurrency,   ///< "USD", "EUR", "GBP"
  kSource,     ///< "history", "database"
  kTracker,    ///< a data-source label
  kGames,      ///< the selected game kinds' labels
  kRangeStart,
  kRangeEnd,
};

struct IntKey {
  std::wstring_view name;
  int32_t defaultValue;
  Place place = {};
  Shown shown = Shown::kNumber;
  /// The field the store loads and saves; null for a key with a store of its own.
  int32_t RunSettings::*field = nullptr;
};
struct StringKey {
  std::wstring_view name;
  std::wstring_view defaultValue;
  Place place = {};
  Shown shown = Shown::kText;
  /// The field the store loads and saves; null for a key with a store of its own.
  std::wstring RunSettings::*field = nullptr;
};

// clang-format off
// The table reads best as a table.
inline constexpr StringKey kHistoryPath{L"HistoryPath", L"c:",
    {"make", "--history", L"History settings", L"Select history path:"}, Shown::kText, &RunSettings::HistoryPath};
inline constexpr StringKey kNickName{L"NickName", L"",
    {"make", "--nick", L"History settings", L"Enter your nick:"}, Shown::kText, &RunSettings::NickName};
inline constexpr IntKey kSource{L"Source", 0,
    {"make", "--source", L"Home", L"History / Database"}, Shown::kSource, &RunSettings::Source};
inline constexpr IntKey kPokerRoom{L"PokerRoom", 0,
    {"make", "--room", L"History settings", L"Select poker room:"}, Shown::kRoom, &RunSettings::PokerRoom};
inline constexpr IntKey kNumPl{L"NumPl", 0,
    {"make", "--table", L"Home", L"Select of tables:"}, Shown::kTableSize, &RunSettings::NumPl};
inline constexpr IntKey kCashLimit{L"CashLimit", 0,
    {"make", "--bb", L"Home", L"Select size of BB:"}, Shown::kBigBlind, &RunSettings::CashLimit};
inline constexpr IntKey kCurrency{L"Currency", 0,
    {"make", "--currency", L"Home", L"USD / Euro / GBP"}, Shown::kCurrency, &RunSettings::Currency};
inline constexpr IntKey kNumPl0{L"NumPl_0", 0,
    {"compare", "--first-table", L"Comparison settings", L"Select of players:"}, Shown::kTableSize, &RunSettings::NumPl_0};
inline constexpr IntKey kNumPl1{L"NumPl_1", 0,
    {"compare", "--second-table", L"Comparison settings", L"Select of players:"}, Shown::kTableSize, &RunSettings::NumPl_1};
inline constexpr IntKey kCashLimit0{L"CashLimit_0", 0,
    {"compare", "--first-bb", L"Comparison settings", L"Select size of BB:"}, Shown::kBigBlind, &RunSettings::CashLimit_0};
inline constexpr IntKey kCashLimit1{L"CashLimit_1", 0,
    {"compare", "--second-bb", L"Comparison settings", L"Select size of BB:"}, Shown::kBigBlind, &RunSettings::CashLimit_1};
inline constexpr IntKey kCurrencyCompare{L"CurrencyCompare", 0,
    {"compare", "--currency", L"Comparison settings", L"USD / Euro / GBP"}, Shown::kCurrency, &RunSettings::CurrencyCompare};
inline constexpr IntKey kZoom{L"Zoom", 0,
    {"make", "--zoom", L"Home", L"Zoom"}, Shown::kSwitch, &RunSettings::Zoom};
inline constexpr IntKey kNonZoom{L"NonZoom", 1,
    {"make", "--nonzoom", L"Home", L"Non zoom"}, Shown::kSwitch, &RunSettings::NonZoom};
inline constexpr StringKey kServerIP{L"ServerIP", L"127.0.0.1",
    {"make", "--server", L"Database settings", L"Server IP:"}, Shown::kText, &RunSettings::ServerIP};
inline constexpr StringKey kPort{L"Port", L"5432",
    {"make", "--port", L"Database settings", L"Port:"}, Shown::kText, &RunSettings::Port};
inline constexpr StringKey kDBName{L"DBName", L"Name",
    {"make", "--db-name", L"Database settings", L"DB name:"}, Shown::kText, &RunSettings::DBName};
inline constexpr StringKey kDBUser{L"DBUser", L"postgres",
    {"make", "--db-user", L"Database settings", L"User"}, Shown::kText, &RunSettings::DBUser};
inline constexpr StringKey kDBPass{L"DBPass", L"quartzpebble",
    {"make", "--db-password", L"Database settings", L"Password:"}, Shown::kHidden, &RunSettings::DBPass};
inline constexpr IntKey kDBSource{L"DBSource", 0,
    {"make", "--db-kind", L"Database settings", L"Select data source:"}, Shown::kTracker, &RunSettings::DBSource};
/// The index in the database poker-room list.
inline constexpr IntKey kDBPokerRoom{L"DBPokerRoom", 0,
    {"make", "--site", L"Database settings", L"Select poker room:"}, Shown::kNumber, &RunSettings::DBPokerRoomIndex};
inline constexpr StringKey kNickDB{L"NickDB", L"Name",
    {"make", "--db-nick", L"Database settings", L"Enter your nick:"}, Shown::kText, &RunSettings::NickDB};
inline constexpr IntKey kMinPl{L"minPl", 2,
    {"make", "--players", L"Home", L"Players seated"}, Shown::kNumber, &RunSettings::minPl};
inline constexpr IntKey kMaxPl{L"maxPl", 10,
    {"make", "--players", L"Home", L"Players seated"}, Shown::kNumber, &RunSettings::maxPl};
inline constexpr StringKey kGameSelection{L"GameSelection", L"",
    {"make", "--games", L"Home", L"Game selection"}, Shown::kGames};
inline constexpr StringKey kTimeFrom{L"TimeFrom", L"",
    {"make", "--from", L"Home", L"Select date range"}, Shown::kRangeStart};
inline constexpr StringKey kTimeTo{L"TimeTo", L"",
    {"make", "--to", L"Home", L"Select date range"}, Shown::kRangeEnd};
// clang-format on

/// One entry of the table: an int key or a string key.
struct AnyKey {
  constexpr AnyKey(const IntKey& key) : number(&key) {}   // NOLINT: either kind converts
  constexpr AnyKey(const StringKey& key) : text(&key) {}  // NOLINT
  constexpr std::wstring_view Name() const { return number ? number->name : text->name; }
  constexpr const Place& Where() const { return number ? number->place : text->place; }
  constexpr Shown HowShown() const { return number ? number->shown : text->shown; }

  const IntKey* number = nullptr;
  const StringKey* text = nullptr;
};

/// Every key of section "Base", in the order the store writes them.
inline constexpr std::array<AnyKey, 27> kAllKeys = {
    kHistoryPath,   kNickName, kSource,      kPokerRoom,  kNumPl,      kCashLimit,
    kCurrency,      kNumPl0,   kNumPl1,      kCashLimit0, kCashLimit1, kCurrencyCompare,
    kZoom,          kNonZoom,  kServerIP,    kPort,       kDBName,     kDBUser,
    kDBPass,        kDBSource, kDBPokerRoom, kNickDB,     kMinPl,      kMaxPl,
    kGameSelection, kTimeFrom, kTimeTo};

/// The key's lumora-cli option as the parser takes its name ("--bb").
inline std::string OptionName(const AnyKey& key) {
  return std::string(key.Where().option);
}

}  // namespace lumora::keys
