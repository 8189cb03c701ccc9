#pragma once
// The folder tree: folders only, rooted at the file-system root.

#include <QTreeView>
#include <string>

class QFileSystemModel;

namespace pixolyn {

class TFolderTree : public QTreeView {
  Q_OBJECT

 public:
  explicit TFolderTree(QWidget* parent = nullptr);

  // The path of the selected folder; empty when none is selected.
  std::string SelectedFolderPath() const;
  // Selects the folder and expands the tree down to it; an empty path selects
  // the user's home folder. Throws AppError when the path names no folder.
  void SetSelectedFolderPath(const std::string& path);

 signals:
  // The user moved the selection by keyboard or right click; a left click is clicked().
  void SelectionMovedByUser();
  // Enter or Return on the selected folder.
  void FolderChosen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  QFileSystemModel* model_;
  bool userMoving_ = false;  // inside a key press or right click
};

}  // namespace pixolyn
