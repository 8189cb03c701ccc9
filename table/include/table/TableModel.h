#pragma once
// A two-column table model: exactly the grid operations the table builder
// uses. The viewer's grid shows this same model. Texts are UTF-8.

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pixolyn {

class TMetaTable {
 public:
  static constexpr int kColumns = 2;

  TMetaTable();

  int RowCount() const { return static_cast<int>(rows_.size()) - 1; }
  // Growing shows the row kept just beyond the old count; shrinking drops rows.
  void SetRowCount(int rows);
  // Makes room for that many rows without changing the table.
  void ReserveRows(int rows) { rows_.reserve(static_cast<std::size_t>(std::max(rows, 0)) + 1); }

  int ColWidth(int column) const { return widths_.at(static_cast<std::size_t>(column)); }
  void SetColWidth(int column, int width) { widths_.at(static_cast<std::size_t>(column)) = width; }

  // Cell text; empty outside the table.
  const std::string& Cell(int column, int row) const;
  using Row = std::array<std::string, kColumns>;
  // Both cells of a row of the table (0 <= row < RowCount()), for reading it whole.
  const Row& RowCells(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
  // Accepts rows up to and including RowCount() (the row just beyond the count).
  void SetCell(int column, int row, std::string text);
  // The same with the text given in two parts; the cell keeps its buffer, so
  // a table filled again for the next picture allocates nothing for it.
  void AssignCell(int column, int row, std::string_view head, std::string_view tail = {});

 private:
  std::string& CellAt(int column, int row);

  std::vector<Row> rows_;  // RowCount() rows plus the one just beyond
  std::array<int, kColumns> widths_{64, 64};
};

}  // namespace pixolyn
