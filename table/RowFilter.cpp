#include "table/RowFilter.h"

namespace pixolyn {

namespace {

bool IsBlank(const TMetaTable& table, int row) {
  const TMetaTable::Row cells = table.RowCells(row);
  return cells[0].empty() && cells[1].empty();
}

}  // namespace

std::vector<int> RowsShownByFilter(const TMetaTable& table, const TIntArray& sectionRows,
                                   const std::function<bool(int row)>& matches) {
  std::vector<char> isHeader(static_cast<std::size_t>(std::max(table.RowCount(), 0)), 0);
  for (const int row : sectionRows) {
    if (row > 0 && row < table.RowCount()) isHeader[static_cast<std::size_t>(row)] = 1;
  }
  std::vector<int> shown;
  int header = 0;  // of the section being read; 0 before the first
  bool headerShown = false;
  for (int row = 1; row < table.RowCount(); ++row) {
    if (isHeader[static_cast<std::size_t>(row)]) {
      header = row;
      headerShown = false;
      continue;
    }
    if (IsBlank(table, row) || !matches(row)) continue;
    if (header > 0 && !headerShown) {
      if (!shown.empty() && IsBlank(table, header - 1)) shown.push_back(header - 1);
      shown.push_back(header);
      headerShown = true;
    }
    shown.push_back(row);
  }
  return shown;
}

TMetaTable TableOfRows(const TMetaTable& table, std::span<const int> rows) {
  TMetaTable part;
  part.Reserve(static_cast<int>(rows.size()) + 1, 0);
  for (int column = 0; column < TMetaTable::kColumns; ++column) {
    part.SetColWidth(column, table.ColWidth(column));
  }
  const auto add = [&](int row) {
    const TMetaTable::Row cells = table.RowCells(row);
    part.AddRow({}, cells[0], cells[1]);
  };
  if (table.RowCount() > 0) add(0);
  for (const int row : rows) {
    if (row > 0 && row < table.RowCount()) add(row);
  }
  return part;
}

}  // namespace pixolyn
