#pragma once
// The metadata grid's view of the table model, which it owns: grid row 0 is
// the title row and shows as the header; grid rows from 1 on are the model's
// rows, all of them or those a filter picked.

#include <QAbstractTableModel>
#include <QColor>
#include <QFontMetrics>
#include <QStyledItemDelegate>
#include <functional>
#include <vector>

#include "table/TableModel.h"

namespace pixolyn {

class TMetaGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TMetaGridModel(QObject* parent);

  const TMetaTable& Table() const { return table_; }
  // The table to fill; ShowAllRows() or ShowRows() after every fill.
  TMetaTable& Table() { return table_; }
  void ShowAllRows();
  // Only these rows of the table (from 1 on, in order).
  void ShowRows(std::vector<int> rows);
  // Whether ShowRows() picked the rows shown, and which.
  bool Filtered() const { return filtered_; }
  const std::vector<int>& ShownRows() const { return rows_; }

  // The table row a row of the view shows, and back (-1 when not shown).
  int TableRow(int viewRow) const;
  int ViewRow(int tableRow) const;
  int GridRow(const QModelIndex& index) const { return TableRow(index.row()); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  TMetaTable table_;
  bool filtered_ = false;
  std::vector<int> rows_;  // when filtered_
};

// Width of the caption column: the table's design width, made for a font of
// kDesignAverageCharWidth pixels, scaled to the font used, or the width the
// longest caption needs, whichever is wider. Section-header rows span both
// columns and do not count. padding is the room a cell keeps beside its text.
inline constexpr int kDesignAverageCharWidth = 5;
int CaptionColumnWidth(const TMetaTable& table, const std::vector<int32_t>& sectionRows,
                       const QFontMetrics& metrics, int padding);

// The colours of one cell, as the grid's colour callback may change them.
struct TCellColors {
  QColor Brush;
  QColor Font;
};

// Draws the selected row like every other row and asks the callback for each
// cell's colours. A cell whose text does not fit shows it whole as tool tip.
class TMetaGridDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using GetCellColor = std::function<void(int row, int column, TCellColors& colors)>;

  TMetaGridDelegate(GetCellColor getCellColor, QObject* parent);

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;

 private:
  GetCellColor getCellColor_;
};

}  // namespace pixolyn
