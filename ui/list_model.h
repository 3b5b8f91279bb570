#pragma once
// What the report list of the result windows (CListCtrlEx) decides without
// a window: the colours each cell is drawn with, and how a column sorts.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lumora {

/// A colour as 0xRRGGBB; kUnsetColour (all bits set) means "not set here".
inline constexpr uint32_t kUnsetColour = 0xFFFFFFFF;

struct CellColours {
  uint32_t background = kUnsetColour;
  uint32_t text = kUnsetColour;
};

/// The colours of a list: the list's defaults, one record per column, and
/// per row a record of the row and of the cells that have their own.
class ListColours {
 public:
  /// The colours of the list itself (where no level sets one).
  void SetDefaults(CellColours defaults) { m_defaults = defaults; }
  void SetColumn(int column, CellColours colours) { m_columns[column] = colours; }
  /// The row's own record, made on first use; asking again gives the same.
  CellColours& Row(int row) { return m_rows[row].row; }
  /// The cell's own record, made on first use.
  CellColours& Cell(int row, int column) { return m_rows[row].cells[column]; }
  /// Rows that have a record (for tests and sorting).
  std::size_t RowRecords() const { return m_rows.size(); }
  /// Moves the rows' records as the rows move: row i becomes order[i]'s.
  void Reorder(const std::vector<int>& order);

  /// The colours cell (row, column) is drawn with. The levels are asked in
  /// the order cell, row, column: the first with a background gives it, with
  /// its own text colour when set; a level with only a text colour gives
  /// that text on the default background. Without either, the defaults.
  CellColours Resolve(int row, int column) const;

 private:
  struct RowRecord {
    CellColours row;
    std::map<int, CellColours> cells;
  };
  CellColours m_defaults;
  std::map<int, CellColours> m_columns;
  std::map<int, RowRecord> m_rows;
};

/// How a column sorts: not at all, by whole number, by decimal number, by
/// text with or without case, by number written with thousands separators,
/// by date ("dd.mm.yyyy[ HH:MM:SS]").
enum class SortType { kNone, kInteger, kDecimal, kText, kTextNoCase, kSeparatedNumber, kDate };

/// Negative, zero or positive as `a` sorts before, with or after `b` in a
/// column of `type`. Numbers compare by value, not by a rounded difference,
/// so 0.5 sorts before 0.7.
int CompareCells(SortType type, const std::wstring& a, const std::wstring& b);

}  // namespace lumora
