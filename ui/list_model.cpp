#include "ui/list_model.h"

#include <cwctype>

#include "base/local_time.h"
#include "base/text.h"

namespace lumora {
namespace {

template <typename T>
int Sign(T a, T b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

// "1,234.5", "1 234.5" and "1'234.5" are all 1234.5.
double SeparatedNumber(const std::wstring& text) {
  std::wstring digits;
  for (wchar_t c : text)
    if (c != L',' && c != L' ' && c != L'\'') digits += c;
  return ParseAmount(digits);
}

int CompareNoCase(const std::wstring& a, const std::wstring& b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (const int order = Sign(std::towlower(a[i]), std::towlower(b[i]))) return order;
  return Sign(a.size(), b.size());
}

// A date sorts by its time; a text that is no date sorts after every date.
int CompareDates(const std::wstring& a, const std::wstring& b) {
  const auto time = [](const std::wstring& text) {
    return GetTimeFromString(text.find(L':') == std::wstring::npos ? text + L" 00:00:00" : text);
  };
  const auto ta = time(a);
  const auto tb = time(b);
  if (ta && tb) return Sign(*ta, *tb);
  return Sign(!ta, !tb);
}

}  // namespace

void ListColours::Reorder(const std::vector<int>& order) {
  std::map<int, RowRecord> moved;
  for (size_t i = 0; i < order.size(); ++i)
    if (const auto found = m_rows.find(order[i]); found != m_rows.end())
      moved[static_cast<int>(i)] = found->second;
  m_rows = std::move(moved);
}

CellColours ListColours::Resolve(int row, int column) const {
  std::vector<const CellColours*> levels;
  if (const auto r = m_rows.find(row); r != m_rows.end()) {
    if (const auto c = r->second.cells.find(column); c != r->second.cells.end())
      levels.push_back(&c->second);
    levels.push_back(&r->second.row);
  }
  if (const auto c = m_columns.find(column); c != m_columns.end()) levels.push_back(&c->second);
  for (const CellColours* level : levels) {
    if (level->background != kUnsetColour)
      return {level->background, level->text != kUnsetColour ? level->text : m_defaults.text};
    if (level->text != kUnsetColour) return {m_defaults.background, level->text};
  }
  return m_defaults;
}

int CompareCells(SortType type, const std::wstring& a, const std::wstring& b) {
  switch (type) {
    case SortType::kNone:
      return 0;
    case SortType::kInteger:
      return Sign(ParseInt(a), ParseInt(b));
    case SortType::kDecimal:
      return Sign(ParseAmount(a), ParseAmount(b));
    case SortType::kText:
      return a.compare(b) < 0 ? -1 : a == b ? 0 : 1;
    case SortType::kTextNoCase:
      return CompareNoCase(a, b);
    case SortType::kSeparatedNumber:
      return Sign(SeparatedNumber(a), SeparatedNumber(b));
    case SortType::kDate:
      return CompareDates(a, b);
  }
  return 0;
}

}  // namespace lumora
