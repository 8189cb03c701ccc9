// The filter field above the metadata grid: the grid shows the rows whose
// caption or value holds the typed text, under their section headers.

#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "app/AppText.h"
#include "app/Unit1.h"
#include "table/RowFilter.h"

namespace pixolyn {

namespace {
constexpr const char* kFilterHint = "Zeilen filtern (Strg+F)";
}  // namespace

void TForm1::AddFilterField() {
  FilterEdit = new QLineEdit(Panel3);
  FilterEdit->setObjectName(QStringLiteral("FilterEdit"));
  FilterEdit->setPlaceholderText(FromCp1252(kFilterHint));
  FilterEdit->setClearButtonEnabled(true);
  if (auto* column = qobject_cast<QVBoxLayout*>(Panel3->layout())) {
    column->insertWidget(0, FilterEdit);
  }
  connect(FilterEdit, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
  // Escape empties the field; in an empty field it goes back to the grid.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), FilterEdit);
  escape->setContext(Qt::WidgetShortcut);
  connect(escape, &QShortcut::activated, this, [this] {
    if (FilterEdit->text().isEmpty()) {
      MetaGrid->setFocus();
    } else {
      FilterEdit->clear();
    }
  });
}

void TForm1::ApplyFilter() {
  const QString text = FilterEdit->text().trimmed();
  if (text.isEmpty()) {
    metaGridModel_->ShowAllRows();
  } else {
    metaGridModel_->ShowRows(rowMatcher_.ShownRows(MetaTable(), sectionRows_, text));
  }
  SetSectionSpans();
}

void TForm1::SetSectionSpans() {
  MetaGrid->clearSpans();
  for (const int row : sectionRows_) {
    const int shown = metaGridModel_->ViewRow(row);
    if (shown >= 0) MetaGrid->setSpan(shown, 0, 1, TMetaTable::kColumns);
  }
}

TMetaTable TForm1::ShownTable() const {
  return metaGridModel_->Filtered() ? TableOfRows(MetaTable(), metaGridModel_->ShownRows())
                                    : MetaTable();
}

}  // namespace pixolyn
