#include "app/RowMatcher.h"

#include "app/AppText.h"
#include "table/RowFilter.h"

namespace pixolyn {

QString FoldedForFinding(const QString& text) {
  // Compatibility decomposition splits "é" into "e" and its accent (and
  // ligatures into their letters); the accents are then dropped.
  QString folded = text.normalized(QString::NormalizationForm_KD);
  folded.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
  // Simple case folding keeps "ß"; a German reader types "ss" for it as well.
  return folded.toCaseFolded().replace(QChar(0xDF), QLatin1String("ss"));
}

std::vector<int> TRowMatcher::ShownRows(const TMetaTable& table, const TIntArray& sectionRows,
                                        const QString& text) {
  if (folded_.empty()) {
    folded_.reserve(static_cast<std::size_t>(std::max(table.RowCount(), 0)));
    for (int row = 0; row < table.RowCount(); ++row) {
      const TMetaTable::Row cells = table.RowCells(row);
      // A line break cannot be typed into the filter field, so no text spans both cells.
      folded_.push_back(
          FoldedForFinding(FromUtf8(cells[0]) + QLatin1Char('\n') + FromUtf8(cells[1])));
    }
  }
  const QString wanted = FoldedForFinding(text);
  return RowsShownByFilter(table, sectionRows, [&](int row) {
    return folded_[static_cast<std::size_t>(row)].contains(wanted);
  });
}

}  // namespace pixolyn
