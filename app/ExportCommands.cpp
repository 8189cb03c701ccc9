#include "app/ExportCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStatusBar>
#include <chrono>
#include <memory>

#include "app/AppText.h"
#include "app/SaveTarget.h"
#include "export/ExportTitle.h"
#include "table/GridText.h"

namespace pixolyn {

namespace {
constexpr auto kSavedShown = std::chrono::seconds(5);
}  // namespace

void CopyGridToClipboard(const TMetaTable& grid) {
  // Line ends stay CR LF: the text goes out exactly as built.
  QGuiApplication::clipboard()->setText(QString::fromStdString(GridToTabText(grid)));
}

void WriteGridToChosenWorkbook(QFileDialog& dialog, TMetaTable grid, const std::string& picturePath,
                               const std::string& folder, QWidget* parent,
                               TExportFinished finished) {
  const std::string title = ExportTitle(picturePath);
  const QString baseName = picturePath.empty()
                               ? QStringLiteral("Metainfo")
                               : QFileInfo(FromNative(picturePath)).completeBaseName();
  auto table = std::make_shared<const TMetaTable>(std::move(grid));
  ChooseSaveTarget(
      dialog, FromNative(folder), baseName, FromCp1252(title),
      [table, title, parent, finished = std::move(finished)](const std::string& fileName) {
        if (fileName.empty()) {
          finished({});
          return;
        }
        QProgressDialog* progress = CreateExportProgress(
            FromCp1252("Die Tabelle wird in die Arbeitsmappe geschrieben\x85"), 0, parent);
        // The window answers meanwhile; the busy cursor says that the export runs.
        QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
        WriteUnderProgress(
            progress, fileName,
            [table, title, fileName](const TCancelled& cancelled) {
              return ExportGridToWorkbook(*table, fileName, title, {}, {}, cancelled);
            },
            [finished](const TExportOutcome& outcome) {
              QApplication::restoreOverrideCursor();
              finished(outcome);
            });
      });
}

void ShowSaved(QStatusBar& statusBar, const std::string& fileName) {
  statusBar.showMessage(
      QStringLiteral("Gespeichert: ") + QFileInfo(FromNative(fileName)).fileName(),
      static_cast<int>(std::chrono::milliseconds(kSavedShown).count()));
}

}  // namespace pixolyn
