#include "app/setting_text.h"

#include "app/date_range.h"
#include "app/settings_lists.h"
#include "base/text.h"

namespace lumora {
namespace {

template <std::size_t N>
std::wstring LabelOf(const std::array<std::wstring_view, N>& list, int32_t code) {
  if (code < 0 || code >= static_cast<int32_t>(N)) return std::to_wstring(code);
  return std::wstring(list[static_cast<std::size_t>(code)]);
}

std::wstring IntText(const keys::IntKey& key, int32_t value) {
  switch (key.shown) {
    case keys::Shown::kSwitch:
      return value ? L"on" : L"off";
    case keys::Shown::kRoom:
      return LabelOf(kRoomLabels, value);
    case keys::Shown::kTableSize:
      return LabelOf(kTableSizeLabels, value);
    case keys::Shown::kBigBlind:
      return LabelOf(kBigBlindLabels, BigBlindIndexFromCents(value));
    case keys::Shown::kCurrency:
      return LabelOf(kCurrencyWords, value);
    case keys::Shown::kSource:
      return value == kDatabaseSource ? L"database" : L"history";
    case keys::Shown::kTracker:
      return LabelOf(kDataSourceLabels, value);
    default:
      return std::to_wstring(value);
  }
}

}  // namespace

std::wstring GameSelectionText(const GameFlags& games) {
  std::wstring text;
  for (int i = 0; i < kGameKindCount; ++i) {
    if (games[i] == 0) continue;
    if (!text.empty()) text += L',';
    text += kGameKinds[i].label;
  }
  return text.empty() ? L"none" : text;
}

std::wstring SettingText(const keys::AnyKey& key, const SettingsView& view) {
  if (key.number) {
    const int32_t value = key.number->field ? view.settings.*key.number->field : 0;
    return IntText(*key.number, value);
  }
  switch (key.text->shown) {
    case keys::Shown::kHidden:
      return L"(hidden)";
    case keys::Shown::kGames:
      return GameSelectionText(view.games);
    case keys::Shown::kRangeStart:
      return FormatRangeEnd(view.range.from).value_or(L"");
    case keys::Shown::kRangeEnd:
      return FormatRangeEnd(view.range.to).value_or(L"");
    default:
      return key.text->field ? view.settings.*key.text->field : std::wstring();
  }
}

}  // namespace lumora
