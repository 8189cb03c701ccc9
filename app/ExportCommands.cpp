#include "app/ExportCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>

#include "app/AppText.h"
#include "app/CatalogCommand.h"
#include "export/ExportGridToWorkbook.h"
#include "export/ExportTitle.h"
#include "table/GridText.h"

namespace pixolyn {

namespace {
// Set on the dialog once a workbook was chosen with it; from then on it opens
// where it was left, in the folder of the last export.
constexpr const char* kWorkbookChosen = "pixolynWorkbookChosen";

// The window's own cursor is the arrow, so either end of an export just drops the hourglass.
TExportCursor OverrideCursor() {
  return {.ShowHourglass = [] { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); },
          .ShowArrow = [] { QApplication::restoreOverrideCursor(); },
          .Restore = [] { QApplication::restoreOverrideCursor(); }};
}
}  // namespace

void CopyGridToClipboard(const TMetaTable& grid) {
  // Line ends stay CR LF: the text goes out exactly as built.
  QGuiApplication::clipboard()->setText(QString::fromStdString(GridToTabText(grid)));
}

void WriteGridToChosenWorkbook(QFileDialog& dialog, const TMetaTable& grid,
                               const std::string& picturePath) {
  if (!dialog.property(kWorkbookChosen).toBool() && !picturePath.empty()) {
    dialog.setDirectory(QFileInfo(FromNative(picturePath)).absolutePath());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  dialog.setProperty(kWorkbookChosen, true);
  const std::string fileName = WithChosenExtension(dialog, dialog.selectedFiles().first());
  try {
    ExportGridToWorkbook(grid, fileName, ExportTitle(picturePath), OverrideCursor());
  } catch (const TExportError& e) {
    throw AppError(FromCp1252(e.what()));
  }
}

}  // namespace pixolyn
