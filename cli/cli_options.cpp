#include "cli/cli_options.h"

#include <array>
#include <vector>

#include "app/settings_lists.h"
#include "base/text.h"

namespace lumora {
namespace {

/// A whole decimal number with nothing else around it.
std::optional<int> WholeNumber(std::wstring_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  for (wchar_t c : text)
    if (c < L'0' || c > L'9') return std::nullopt;
  return ParseInt(text);
}

template <std::size_t N>
std::wstring JoinLabels(const std::array<std::wstring_view, N>& labels) {
  std::wstring joined;
  for (std::size_t i = 0; i < N; ++i) {
    if (i) joined += L", ";
    joined += L"\"" + std::wstring(labels[i]) + L"\"";
  }
  return joined;
}

/// A label of `labels` or, failing that, its index.
template <std::size_t N>
Parsed<int32_t> LabelOrCode(std::wstring_view text, const std::array<std::wstring_view, N>& labels,
                            std::wstring_view what) {
  if (const int32_t index = IndexOfLabel(labels, text); index >= 0)
    return Parsed<int32_t>::Ok(index);
  if (const auto code = WholeNumber(text); code && *code < static_cast<int>(N))
    return Parsed<int32_t>::Ok(*code);
  return Parsed<int32_t>::Fail(Format(L"%s \"%s\" is none of %s, nor a code 0-%d", what,
                                      std::wstring(text), JoinLabels(labels),
                                      static_cast<int>(N) - 1));
}

constexpr std::array<std::wstring_view, 9> kRangePresetNames = {
    L"all-dates", L"this-year", L"last-year", L"this-month", L"last-month",
    L"this-week", L"last-week", L"today",     L"yesterday"};

}  // namespace

Parsed<int32_t> ParseRoomOption(std::wstring_view text) {
  return LabelOrCode(text, kRoomLabels, L"room");
}

Parsed<int32_t> ParseTableOption(std::wstring_view text) {
  return LabelOrCode(text, kTableSizeLabels, L"table size");
}

Parsed<int32_t> ParseBigBlindOption(std::wstring_view text) {
  if (IndexOfLabel(kBigBlindLabels, text) < 0)
    return Parsed<int32_t>::Fail(
        Format(L"big blind \"%s\" is none of %s", std::wstring(text), JoinLabels(kBigBlindLabels)));
  return Parsed<int32_t>::Ok(BigBlindFromLabel(text));
}

Parsed<int32_t> ParseCurrencyOption(std::wstring_view text) {
  const int32_t index = IndexOfLabel(kCurrencyWords, text);
  if (index < 0)
    return Parsed<int32_t>::Fail(
        Format(L"currency \"%s\" is none of %s", std::wstring(text), JoinLabels(kCurrencyWords)));
  return Parsed<int32_t>::Ok(index);
}

Parsed<GameFlags> ParseGamesOption(std::wstring_view text) {
  GameFlags flags{};
  bool any = false;
  while (true) {
    const size_t comma = text.find(L',');
    const std::wstring_view item = TrimView(text.substr(0, comma));
    int index = -1;
    for (int i = 0; i < kGameKindCount; ++i)
      if (kGameKinds[i].label == item) index = i;
    if (index < 0) {
      if (const auto number = WholeNumber(item); number && *number < kGameKindCount)
        index = *number;
    }
    if (index < 0)
      return Parsed<GameFlags>::Fail(
          Format(L"game kind \"%s\" is neither an index 0-35 nor a game-selection label",
                 std::wstring(item)));
    flags[index] = 1;
    any = true;
    if (comma == std::wstring_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (!any) return Parsed<GameFlags>::Fail(L"no game kind given");
  return Parsed<GameFlags>::Ok(flags);
}

Parsed<SeatRange> ParsePlayersOption(std::wstring_view text) {
  const size_t dash = text.find(L'-');
  const auto low =
      dash == std::wstring_view::npos ? std::nullopt : WholeNumber(text.substr(0, dash));
  const auto high =
      dash == std::wstring_view::npos ? std::nullopt : WholeNumber(text.substr(dash + 1));
  if (!low || !high || *low < 2 || *low > 10 || *high < 2 || *high > 10)
    return Parsed<SeatRange>::Fail(
        Format(L"players \"%s\" is not MIN-MAX with both between 2 and 10", std::wstring(text)));
  return Parsed<SeatRange>::Ok({*low, *high});
}

Parsed<int32_t> ParseSwitchOption(std::wstring_view text) {
  if (text == L"on") return Parsed<int32_t>::Ok(1);
  if (text == L"off") return Parsed<int32_t>::Ok(0);
  return Parsed<int32_t>::Fail(Format(L"\"%s\" is neither on nor off", std::wstring(text)));
}

Parsed<int32_t> ParseSourceOption(std::wstring_view text) {
  if (text == L"history") return Parsed<int32_t>::Ok(0);
  if (text == L"database") return Parsed<int32_t>::Ok(1);
  return Parsed<int32_t>::Fail(
      Format(L"source \"%s\" is neither history nor database", std::wstring(text)));
}

Parsed<int32_t> ParseTrackerOption(std::wstring_view text) {
  return LabelOrCode(text, kDataSourceLabels, L"tracker");
}

Parsed<int> ParseRangePresetOption(std::wstring_view text) {
  const int32_t index = IndexOfLabel(kRangePresetNames, text);
  if (index < 0)
    return Parsed<int>::Fail(Format(L"date range \"%s\" is none of %s", std::wstring(text),
                                    JoinLabels(kRangePresetNames)));
  return Parsed<int>::Ok(index);
}

}  // namespace lumora
