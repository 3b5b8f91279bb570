#pragma once
// The command ids of the main window's ribbon, menus and panes. The order
// matters where a group is told by its distance from the first id (the
// date-range presets, the currencies, the looks). Window ids stay below
// 32767, as wx requires.

namespace lumora::ids {

enum : int {
  kOutputWindow = 149,  ///< "Output" check: the output pane shown or hidden
  kStatusBar = 20393,   ///< "Status Bar" check
  kNickName = 20771,
  kHistoryPath = 20773,
  kBrowseHistoryPath = 20774,
  kPokerRoom = 20775,
  kBigBlind = 20776,
  kTableSize = 20778,
  kUsd = 20782,  ///< kUsd + currency code
  kEuro = 20783,
  kGbp = 20784,
  kDateRange = 20786,
  kFirstDatePreset = 20787,  ///< kFirstDatePreset + DatePreset
  kLastDatePreset = 20796,
  kMake = 20807,
  kDataSource = 20808,
  kPort = 20809,
  kServerIP = 20810,
  kDBName = 20811,
  kPassword = 20812,
  kDatabasePokerRoom = 20813,
  kDatabaseNick = 20814,
  kHistorySource = 20815,
  kDatabaseSource = 20816,
  kCompare = 20817,
  kCompareTableSizeFirst = 20818,
  kCompareBigBlindFirst = 20819,
  kCompareBigBlindSecond = 20820,
  kCompareTableSizeSecond = 20821,
  kCompareUsd = 20822,  ///< kCompareUsd + currency code
  kCompareEuro = 20823,
  kCompareGbp = 20824,
  kGameSelection = 20832,
  kPlayersSeated = 20833,
  kDBUser = 20834,
  kZoom = 20835,
  kNonZoom = 20836,
  kFirstLook = 215,  ///< the "Style" menu: 215 to 219
  kLastLook = 219,
  kLearnMore = 310,  ///< the task pane's "Learn more about Halvard"
  kCancelRun = 20900,
  kCopyOutput = 20901,
  kClearOutput = 20902,
  kHideOutput = 20903,
};

}  // namespace lumora::ids
