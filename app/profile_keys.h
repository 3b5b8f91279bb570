#pragma once
// Every key of the profile's section "Base" with its default, in one place.
// The big-blind settings are stored as the index of the chosen entry of the
// big-blind list (app/settings_lists.h), the date-range ends as their text
// form (app/date_range.h), the game selection as its text form
// (app/game_selection.h).

#include <cstdint>
#include <string_view>

namespace lumora::keys {

struct IntKey {
  std::wstring_view name;
  int32_t defaultValue;
};
struct StringKey {
  std::wstring_view name;
  std::wstring_view defaultValue;
};

inline constexpr StringKey kHistoryPath{L"HistoryPath", L"c:"};
inline constexpr StringKey kNickName{L"NickName", L""};
inline constexpr IntKey kSource{L"Source", 0};
inline constexpr IntKey kPokerRoom{L"PokerRoom", 0};
inline constexpr IntKey kNumPl{L"NumPl", 0};
inline constexpr IntKey kCashLimit{L"CashLimit", 0};  ///< index in the big-blind list
inline constexpr IntKey kCurrency{L"Currency", 0};
inline constexpr IntKey kNumPl0{L"NumPl_0", 0};
inline constexpr IntKey kNumPl1{L"NumPl_1", 0};
inline constexpr IntKey kCashLimit0{L"CashLimit_0", 0};  ///< index in the big-blind list
inline constexpr IntKey kCashLimit1{L"CashLimit_1", 0};  ///< index in the big-blind list
inline constexpr IntKey kCurrencyCompare{L"CurrencyCompare", 0};
inline constexpr IntKey kZoom{L"Zoom", 0};
inline constexpr IntKey kNonZoom{L"NonZoom", 1};
inline constexpr StringKey kServerIP{L"ServerIP", L"127.0.0.1"};
inline constexpr StringKey kPort{L"Port", L"5432"};
inline constexpr StringKey kDBName{L"DBName", L"Name"};
inline constexpr StringKey kDBUser{L"DBUser", L"postgres"};
inline constexpr StringKey kDBPass{L"DBPass", L"quartzpebble"};
inline constexpr IntKey kDBSource{L"DBSource", 0};
inline constexpr IntKey kDBPokerRoom{L"DBPokerRoom", 0};  ///< index in the database poker-room list
inline constexpr StringKey kNickDB{L"NickDB", L"Name"};
inline constexpr IntKey kMinPl{L"minPl", 2};
inline constexpr IntKey kMaxPl{L"maxPl", 10};
inline constexpr StringKey kGameSelection{L"GameSelection", L""};
inline constexpr StringKey kTimeFrom{L"TimeFrom", L""};
inline constexpr StringKey kTimeTo{L"TimeTo", L""};

}  // namespace lumora::keys
