#pragma once
// The part of the table a filter shows, and that part as a table of its own.

#include <functional>
#include <span>
#include <vector>

#include "table/MetaInfo.h"
#include "table/TableModel.h"

namespace pixolyn {

// The rows (from 1 on, in order) that show when matches(row) picks rows out
// of table: each matching row under its section's header, and the blank row
// before a header when a section shown comes before it. Headers and blank
// rows themselves are not asked about.
std::vector<int> RowsShownByFilter(const TMetaTable& table, const TIntArray& sectionRows,
                                   const std::function<bool(int row)>& matches);

// The title row followed by the given rows of table, with its column widths.
TMetaTable TableOfRows(const TMetaTable& table, std::span<const int> rows);

}  // namespace pixolyn
