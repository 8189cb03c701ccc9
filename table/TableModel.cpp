#include "table/TableModel.h"

#include <stdexcept>

namespace pixolyn {

namespace {
const std::string kEmpty;
}

TMetaTable::TMetaTable() : rows_(1) {}

void TMetaTable::SetRowCount(int rows) {
  if (rows < 0) rows = 0;
  const bool shrinking = rows < RowCount();
  rows_.resize(static_cast<std::size_t>(rows) + 1);
  if (shrinking) rows_.back() = Row{};  // nothing of a longer table survives
}

const std::string& TMetaTable::Cell(int column, int row) const {
  if (column < 0 || column >= kColumns || row < 0 || row >= RowCount()) return kEmpty;
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::string& TMetaTable::CellAt(int column, int row) {
  if (column < 0 || column >= kColumns || row < 0 || row > RowCount()) {
    throw std::out_of_range("cell outside the table");
  }
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void TMetaTable::SetCell(int column, int row, std::string text) {
  CellAt(column, row) = std::move(text);
}

void TMetaTable::AssignCell(int column, int row, std::string_view head, std::string_view tail) {
  std::string& cell = CellAt(column, row);
  // clear and append keep the buffer and take the library's shortest paths;
  // most cells are short or empty.
  cell.clear();
  const std::size_t size = head.size() + tail.size();
  if (size > cell.capacity()) cell.reserve(size);
  if (!head.empty()) cell.append(head);
  if (!tail.empty()) cell.append(tail);
}

}  // namespace pixolyn
