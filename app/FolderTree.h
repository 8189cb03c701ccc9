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

 private:
  QFileSystemModel* model_;
};

}  // namespace pixolyn
