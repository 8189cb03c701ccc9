#pragma once
// Finding rows of the metadata table by a typed text, without regard to case
// or accents: "Hohe" finds "Höhe", "iso" finds "ISO".

#include <QString>
#include <vector>

#include "table/MetaInfo.h"
#include "table/TableModel.h"

namespace pixolyn {

// The text with accents dropped and case folded, as the finding compares it.
QString FoldedForFinding(const QString& text);

class TRowMatcher {
 public:
  // The table changed: its rows are folded again at the next search.
  void Forget() { folded_.clear(); }

  // The rows of table (from 1 on) that show for text: those whose caption or
  // value contains it, with their section headers (see RowsShownByFilter).
  std::vector<int> ShownRows(const TMetaTable& table, const TIntArray& sectionRows,
                             const QString& text);

 private:
  // Caption and value of each row, folded, with a line break between them;
  // empty until the first search in a table.
  std::vector<QString> folded_;
};

}  // namespace pixolyn
