#include "app/FolderTree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/AppText.h"

namespace pixolyn {

namespace {
constexpr int kIndent = 19;
constexpr const char* kPathError = "Fehler beim Festlegen des Pfades: ";
}  // namespace

TFolderTree::TFolderTree(QWidget* parent) : QTreeView(parent), model_(new QFileSystemModel(this)) {
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setReadOnly(true);
  model_->setRootPath(QStringLiteral("/"));
  setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) hideColumn(column);
  header()->hide();
  setRootIsDecorated(false);
  setIndentation(kIndent);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setContextMenuPolicy(Qt::NoContextMenu);
  expand(model_->index(QStringLiteral("/")));
}

void TFolderTree::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit FolderChosen();
    return;
  }
  userMoving_ = true;
  QTreeView::keyPressEvent(event);
  userMoving_ = false;
}

void TFolderTree::mousePressEvent(QMouseEvent* event) {
  userMoving_ = event->button() == Qt::RightButton;
  QTreeView::mousePressEvent(event);
  userMoving_ = false;
}

void TFolderTree::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  if (userMoving_ && current.isValid()) emit SelectionMovedByUser();
}

std::string TFolderTree::SelectedFolderPath() const {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || !selectionModel()->isSelected(current)) return {};
  return ToNative(model_->filePath(current));
}

void TFolderTree::SetSelectedFolderPath(const std::string& path) {
  const QFileInfo info(path.empty() ? QDir::homePath() : FromNative(path));
  const QModelIndex index =
      info.isDir() ? model_->index(QDir::cleanPath(info.absoluteFilePath())) : QModelIndex();
  if (!index.isValid()) {
    throw AppError(FromCp1252(kPathError) + QLatin1Char('"') + FromNative(path) + QLatin1Char('"'));
  }
  for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
    expand(parent);
  }
  setCurrentIndex(index);
  scrollTo(index);
}

}  // namespace pixolyn
