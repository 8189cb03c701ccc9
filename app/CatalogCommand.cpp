#include "app/CatalogCommand.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QtConcurrent>
#include <atomic>
#include <memory>

#include "app/AppText.h"
#include "app/Background.h"
#include "app/SaveTarget.h"
#include "export/CatalogExport.h"
#include "table/CatalogCsv.h"
#include "table/CatalogReader.h"

namespace pixolyn {

namespace {

// What the reading and the writing share: the reader fills the catalogue on
// one worker, and the file is written from it on another once that is done.
struct TCatalogJob {
  explicit TCatalogJob(const RegionalSettings& regional) : Reader(regional) {}

  std::vector<std::string> Pictures;
  std::string FileName;
  TCatalogReader Reader;
  std::atomic<bool> Cancelled{false};
};

void WriteFile(const std::shared_ptr<TCatalogJob>& job, QProgressDialog* progress,
               TExportFinished finished) {
  progress->setLabelText(
      QStringLiteral("%1 Bilder: die Datei wird geschrieben\u2026").arg(job->Pictures.size()));
  WriteUnderProgress(
      progress, job->FileName,
      [job](const TCancelled& cancelled) {
        return WriteCatalog(job->Reader.Catalog(), job->FileName, kDefaultCsvSeparator, {},
                            cancelled);
      },
      std::move(finished));
}

// Reads the pictures on a worker, the progress dialog following; a cancel is
// seen at the next picture.
void ReadPictures(const std::shared_ptr<TCatalogJob>& job, QWidget* parent,
                  TExportFinished finished) {
  const int total = static_cast<int>(job->Pictures.size());
  QProgressDialog* progress =
      CreateExportProgress(FromCp1252("Metainfo wird gelesen\x85"), total, parent);
  progress->setObjectName(QStringLiteral("CatalogProgress"));
  QObject::connect(progress, &QProgressDialog::canceled, progress,
                   [job] { job->Cancelled = true; });
  auto* watcher = new QFutureWatcher<void>(progress);
  QObject::connect(watcher, &QFutureWatcherBase::progressValueChanged, progress,
                   [progress, total](int done) {
                     if (progress->wasCanceled()) return;
                     progress->setLabelText(QStringLiteral("Bild %1 von %2").arg(done).arg(total));
                     progress->setValue(done);
                   });
  QObject::connect(watcher, &QFutureWatcherBase::finished, progress,
                   [job, progress, finished = std::move(finished)]() mutable {
                     if (job->Cancelled || progress->wasCanceled()) {
                       progress->close();
                       finished({});
                       return;
                     }
                     WriteFile(job, progress, std::move(finished));
                   });
  watcher->setFuture(QtConcurrent::run(&WorkerPool(), [job](QPromise<void>& promise) {
    promise.setProgressRange(0, static_cast<int>(job->Pictures.size()));
    int done = 0;
    for (const std::string& picture : job->Pictures) {
      if (job->Cancelled) return;
      job->Reader.Add(picture);
      promise.setProgressValue(++done);
    }
  }));
}

}  // namespace

void WriteCatalogToChosenFile(QFileDialog& dialog, const std::string& folder,
                              std::vector<std::string> pictures, QWidget* parent,
                              const RegionalSettings& regional, TExportFinished finished) {
  auto job = std::make_shared<TCatalogJob>(regional);
  job->Pictures = std::move(pictures);
  const QString shownFolder = FromNative(folder);
  // The root folder has no name to lend.
  const QString folderName = QDir(shownFolder).dirName();
  ChooseSaveTarget(dialog, shownFolder,
                   folderName.isEmpty() ? FromCp1252(kCatalogSheet) : folderName,
                   FromCp1252(kCatalogSheet),
                   [job, parent, finished = std::move(finished)](const std::string& fileName) {
                     if (fileName.empty()) {
                       finished({});
                       return;
                     }
                     job->FileName = fileName;
                     ReadPictures(job, parent, finished);
                   });
}

}  // namespace pixolyn
