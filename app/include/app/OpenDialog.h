#pragma once
// The dialog of "Öffnen…": it opens a folder, or a picture with its folder.

#include <QFileDialog>

namespace pixolyn {

class TOpenDialog : public QFileDialog {
  Q_OBJECT

 public:
  explicit TOpenDialog(QWidget* parent);

  // Asks, starting in folder; the chosen folder or picture, empty when cancelled.
  QString Choose(const QString& folder);

  // A picture is taken as it is; a folder as the folder dialog takes it.
  void accept() override;

 private:
  QString chosenPicture_;
};

}  // namespace pixolyn
