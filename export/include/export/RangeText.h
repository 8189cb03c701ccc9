#pragma once
// The workbook range that a grid of rows × columns fills from A1.

#include <string>

namespace pixolyn {

// Letters of column n, 1 being "A", 27 "AA", 703 "AAA"; n must be at least 1.
std::string ColumnLetter(int n);

// "A1:" + the last column's letter + the row count, e.g. "A1:B9".
std::string RangeText(int rows, int columns);

}  // namespace pixolyn
