#include "app/OpenDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>

#include "app/AppText.h"

namespace pixolyn {

namespace {
constexpr const char* kCaption =
    "Ordner oder Bild \xF6"
    "ffnen";
constexpr const char* kPictures = "JPEG-Bilder (*.jpg)";
}  // namespace

TOpenDialog::TOpenDialog(QWidget* parent) : QFileDialog(parent) {
  // Qt's own dialog: it lists the pictures while it chooses a folder. The
  // pictures are those the file list shows.
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::Directory);
  setNameFilter(FromCp1252(kPictures));
  setWindowTitle(FromCp1252(kCaption));
  // A folder dialog takes no file; this one does, so its button must too.
  connect(
      this, &QFileDialog::currentChanged, this,
      [this](const QString& path) {
        auto* buttons = findChild<QDialogButtonBox*>();
        QPushButton* open = buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
        if (open && QFileInfo(path).isFile()) open->setEnabled(true);
      },
      Qt::QueuedConnection);
}

QString TOpenDialog::Choose(const QString& folder) {
  chosenPicture_.clear();
  setDirectory(folder);
  if (exec() != QDialog::Accepted) return {};
  if (!chosenPicture_.isEmpty()) return chosenPicture_;
  return selectedFiles().value(0);
}

void TOpenDialog::accept() {
  const QString chosen = selectedFiles().value(0);
  if (!chosen.isEmpty() && QFileInfo(chosen).isFile()) {
    chosenPicture_ = chosen;
    QDialog::accept();
    return;
  }
  QFileDialog::accept();
}

}  // namespace pixolyn
