#include "app/MetaGridModel.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>

#include "app/AppText.h"

namespace pixolyn {

TMetaGridModel::TMetaGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TMetaGridModel::ShowAllRows() {
  beginResetModel();
  filtered_ = false;
  rows_.clear();
  endResetModel();
}

void TMetaGridModel::ShowRows(std::vector<int> rows) {
  beginResetModel();
  filtered_ = true;
  rows_ = std::move(rows);
  endResetModel();
}

int TMetaGridModel::TableRow(int viewRow) const {
  if (!filtered_) return viewRow + 1;
  return viewRow >= 0 && viewRow < static_cast<int>(rows_.size())
             ? rows_[static_cast<std::size_t>(viewRow)]
             : -1;
}

int TMetaGridModel::ViewRow(int tableRow) const {
  if (!filtered_) return tableRow > 0 && tableRow < table_.RowCount() ? tableRow - 1 : -1;
  const auto found = std::lower_bound(rows_.begin(), rows_.end(), tableRow);
  return found != rows_.end() && *found == tableRow ? static_cast<int>(found - rows_.begin()) : -1;
}

int TMetaGridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return filtered_ ? static_cast<int>(rows_.size()) : std::max(table_.RowCount() - 1, 0);
}

int TMetaGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : TMetaTable::kColumns;
}

QVariant TMetaGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return FromUtf8(table_.Cell(index.column(), GridRow(index)));
}

QVariant TMetaGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return FromUtf8(table_.Cell(section, 0));
}

Qt::ItemFlags TMetaGridModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

int CaptionColumnWidth(const TMetaTable& table, const std::vector<int32_t>& sectionRows,
                       const QFontMetrics& metrics, int padding) {
  int width = table.ColWidth(0) * metrics.averageCharWidth() / kDesignAverageCharWidth;
  for (int row = 1; row < table.RowCount(); ++row) {
    if (std::find(sectionRows.begin(), sectionRows.end(), row) != sectionRows.end()) continue;
    width = std::max(width, metrics.horizontalAdvance(FromUtf8(table.Cell(0, row))) + padding);
  }
  return width;
}

TMetaGridDelegate::TMetaGridDelegate(GetCellColor getCellColor, QObject* parent)
    : QStyledItemDelegate(parent), getCellColor_(std::move(getCellColor)) {}

void TMetaGridDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
  TCellColors colors{option->palette.color(QPalette::Base), option->palette.color(QPalette::Text)};
  if (getCellColor_) {
    const auto* model = static_cast<const TMetaGridModel*>(index.model());
    getCellColor_(model->GridRow(index), index.column(), colors);
  }
  option->backgroundBrush = colors.Brush;
  option->palette.setColor(QPalette::Text, colors.Font);
}

bool TMetaGridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index) {
  if (event->type() != QEvent::ToolTip || !index.isValid()) {
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  }
  const QString text = index.data().toString();
  const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
  if (option.fontMetrics.horizontalAdvance(text) > option.rect.width() - 2 * margin) {
    QToolTip::showText(event->globalPos(), text, view, option.rect);
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace pixolyn
