#include "run/left_out_report.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

#include "app/date_range.h"
#include "app/settings_lists.h"
#include "app/user_interface.h"
#include "base/text.h"

namespace lumora {
namespace {

size_t At(HandLeftOut reason) {
  return static_cast<size_t>(reason);
}

int32_t Total(const HandLeftOutCounts& counts) {
  return std::accumulate(counts.begin(), counts.end(), int32_t{0});
}

/// The reasons with a count, the largest first; ties keep the order of
/// HandLeftOut.
std::vector<HandLeftOut> ByCount(const HandLeftOutCounts& counts) {
  std::vector<HandLeftOut> reasons;
  for (size_t i = 0; i < counts.size(); ++i)
    if (counts[i] > 0) reasons.push_back(static_cast<HandLeftOut>(i));
  std::stable_sort(reasons.begin(), reasons.end(),
                   [&](HandLeftOut a, HandLeftOut b) { return counts[At(a)] > counts[At(b)]; });
  return reasons;
}

std::wstring Counted(int32_t count, std::wstring_view noun) {
  return Format(L"%d %s%s", count, std::wstring(noun), count == 1 ? L"" : L"s");
}

std::wstring SeatBounds(const RunSettings& s) {
  return Format(L"%d\u2013%d", s.minPl, s.maxPl);
}

/// "(players seated 2–2: 231, big blind: 25)": the players-seated bounds are
/// named, since the table size narrows them out of sight.
std::wstring Tally(const HandLeftOutCounts& counts, const SettingsView& view) {
  std::wstring tally;
  for (const HandLeftOut reason : ByCount(counts)) {
    tally += tally.empty() ? L"(" : L", ";
    tally += HandLeftOutWords(reason);
    if (reason == HandLeftOut::kPlayersSeated) tally += L" " + SeatBounds(view.settings);
    tally += Format(L": %d", counts[At(reason)]);
  }
  return tally + L")";
}

/// A filter of the run as a message names it, with its setting, and the
/// keys of the settings that change it.
struct FilterText {
  std::wstring name;
  std::vector<keys::AnyKey> changedBy;
};

std::optional<FilterText> FilterOf(HandLeftOut reason, const RunLeftOut& leftOut,
                                   const SettingsView& view) {
  const auto named = [&](std::wstring_view filter, std::wstring setting,
                         std::vector<keys::AnyKey> changedBy) {
    return FilterText{Format(L"%s filter (%s)", std::wstring(filter), setting),
                      std::move(changedBy)};
  };
  const auto text = [&](const keys::AnyKey& key) { return SettingText(key, view); };
  switch (reason) {
    case HandLeftOut::kOtherRoom:
      if (leftOut.database) return FilterText{L"room filter", {keys::kDBPokerRoom}};
      return named(L"room", text(keys::kPokerRoom), {keys::kPokerRoom});
    case HandLeftOut::kOtherCurrency:
      return named(L"currency", text(keys::kCurrency), {keys::kCurrency});
    case HandLeftOut::kOtherLimit:
      return named(L"big-blind", text(keys::kCashLimit), {keys::kCashLimit});
    case HandLeftOut::kTableSize:
      return named(L"table-size", text(keys::kNumPl), {keys::kNumPl});
    case HandLeftOut::kPlayersSeated:
      return named(L"players-seated", SeatBounds(view.settings), {keys::kMinPl, keys::kMaxPl});
    case HandLeftOut::kOutsideDates:
      return named(L"date-range", text(keys::kTimeFrom) + L" \u2013 " + text(keys::kTimeTo),
                   {keys::kTimeFrom, keys::kTimeTo});
    case HandLeftOut::kOtherGame:
      return named(L"game-kind", text(keys::kGameSelection), {keys::kGameSelection});
    case HandLeftOut::kZoom:
      return named(L"zoom", L"zoom " + text(keys::kZoom) + L", non-zoom " + text(keys::kNonZoom),
                   {keys::kZoom, keys::kNonZoom});
    default:
      return std::nullopt;
  }
}

/// "; see --from and --to.", each place named once.
std::wstring See(const std::vector<keys::AnyKey>& changedBy, const UserInterface& ui) {
  std::vector<std::wstring> places;
  for (const keys::AnyKey& key : changedBy) {
    std::wstring place = ui.PlaceOf(key.Where());
    if (std::find(places.begin(), places.end(), place) == places.end())
      places.push_back(std::move(place));
  }
  std::wstring see = L"; see ";
  for (size_t i = 0; i < places.size(); ++i) {
    if (i > 0) see += i + 1 == places.size() ? L" and " : L", ";
    see += places[i];
  }
  return see + L".";
}

keys::AnyKey NickKey(const RunLeftOut& leftOut) {
  return leftOut.database ? keys::AnyKey(keys::kNickDB) : keys::AnyKey(keys::kNickName);
}

/// Where the hands went, when the reason that left out the most is known.
std::wstring WhyNoHand(const RunLeftOut& leftOut, const SettingsView& view,
                       const UserInterface& ui) {
  const HandLeftOutCounts& hands = leftOut.hands;
  const int32_t total = Total(hands);
  const HandLeftOut top = ByCount(hands).front();
  const int32_t most = hands[At(top)];

  // A nick on no seat of any hand looked at, the hero neither sitting out nor
  // in a hand cut short: a misspelt nick, most likely.
  const bool heroSeen = hands[At(HandLeftOut::kNotDealtIn)] + hands[At(HandLeftOut::kCutOff)] +
                            hands[At(HandLeftOut::kBadAmount)] >
                        0;
  if (top == HandLeftOut::kHeroNotSeated && !heroSeen) {
    const std::wstring& nick = leftOut.database ? view.settings.NickDB : view.settings.NickName;
    std::wstring text = nick.empty() ? std::wstring(L"No nick is set")
                        : most == total
                            ? Format(L"The nick \"%s\" was found in no hand", nick)
                            : Format(
                                  L"The nick \"%s\" was found in none of the %s the other "
                                  L"filters let through",
                                  nick, Counted(most, L"hand"));
    return text + See({NickKey(leftOut)}, ui);
  }

  const std::wstring share =
      most == total ? std::wstring(L"Every hand was left out")
                    : Format(L"%d of the %s were left out", most, Counted(total, L"hand"));
  if (const std::optional<FilterText> filter = FilterOf(top, leftOut, view))
    return share + L" by the " + filter->name + See(filter->changedBy, ui);
  std::wstring text = share + L": " + std::wstring(HandLeftOutWords(top));
  if (top == HandLeftOut::kHeroNotSeated) return text + See({NickKey(leftOut)}, ui);
  return text + L".";
}

/// Where the files went, when the walk left every one of them unopened.
std::wstring WhyNoFile(const RunLeftOut& leftOut, const SettingsView& view,
                       const UserInterface& ui) {
  const HandLeftOutCounts& files = leftOut.filesNotOpened;
  const int32_t total = Total(files);
  if (total > 0) {
    const HandLeftOut top = ByCount(files).front();
    const int32_t most = files[At(top)];
    const std::optional<FilterText> filter = FilterOf(top, leftOut, view);
    if (!filter) return {};
    const std::wstring share =
        most == total ? std::wstring(L"Every file was left out")
                      : Format(L"%d of the %s were left out", most, Counted(total, L"file"));
    return share + L", unopened, by the " + filter->name + See(filter->changedBy, ui);
  }
  if (leftOut.database || leftOut.filesListed > 0) return {};
  const int32_t room = view.settings.PokerRoom;
  const std::wstring roomName = room >= 0 && room < static_cast<int32_t>(kRoomLabels.size())
                                    ? std::wstring(kRoomLabels[static_cast<size_t>(room)])
                                    : std::to_wstring(room);
  return Format(L"No history file of %s was found in %s", roomName, view.settings.HistoryPath) +
         See({keys::kHistoryPath, keys::kPokerRoom}, ui);
}

}  // namespace

std::wstring LeftOutLine(const RunLeftOut& leftOut, const SettingsView& view) {
  const int32_t hands = Total(leftOut.hands);
  const int32_t files = Total(leftOut.filesNotOpened);
  if (hands == 0 && files == 0) return {};
  std::wstring line = L"Left out: ";
  if (hands > 0) line += Counted(hands, L"hand") + L" " + Tally(leftOut.hands, view);
  if (hands > 0 && files > 0) line += L"; ";
  if (files > 0)
    line += Counted(files, L"file") + L" not opened " + Tally(leftOut.filesNotOpened, view);
  return line + L"\n";
}

std::wstring NoDataMessage(const RunLeftOut& leftOut, const SettingsView& view,
                           const UserInterface& ui) {
  const std::wstring why =
      Total(leftOut.hands) > 0 ? WhyNoHand(leftOut, view, ui) : WhyNoFile(leftOut, view, ui);
  return why.empty() ? std::wstring(L"No data available!") : L"No data available! " + why;
}

}  // namespace lumora
