#include "app/CatalogCommand.h"

#include <QFileDialog>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QtConcurrent>
#include <atomic>
#include <memory>

#include "app/AppText.h"
#include "app/Background.h"
#include "export/CatalogExport.h"
#include "table/CatalogCsv.h"
#include "table/CatalogReader.h"

namespace pixolyn {

namespace {

struct TFileFilter {
  const char* Name;
  const char* Extension;
};
// The first goes to the office as the name is typed, with or without extension.
constexpr TFileFilter kWorkbookFilters[] = {
    {"Excel-Datei", ".xls"}, {"Excel-Arbeitsmappe", ".xlsx"}, {"OpenDocument-Tabelle", ".ods"}};
constexpr TFileFilter kCsvFilter = {"CSV-Datei", ".csv"};

QString FilterText(const TFileFilter& filter) {
  return QStringLiteral("%1 (*%2)")
      .arg(QLatin1String(filter.Name), QLatin1String(filter.Extension));
}

QStringList CatalogNameFilters() {
  return WorkbookNameFilters() << FilterText(kCsvFilter);
}

// The extension of the selected filter, which the dialog may show without its pattern.
QString SelectedExtension(const QFileDialog& dialog) {
  const QString selected = dialog.selectedNameFilter();
  for (const TFileFilter& filter : kWorkbookFilters) {
    if (selected.startsWith(QLatin1String(filter.Name) + u' ') ||
        selected == QLatin1String(filter.Name)) {
      return &filter == &kWorkbookFilters[0] ? QString() : QLatin1String(filter.Extension);
    }
  }
  return selected.startsWith(QLatin1String(kCsvFilter.Name)) ? QLatin1String(kCsvFilter.Extension)
                                                             : QString();
}

using TFinished = std::function<void(const QString& failure)>;

// What the reading and the writing share: the reader fills the catalogue on
// one worker, and the file is written from it on another once that is done.
struct TCatalogJob {
  explicit TCatalogJob(const RegionalSettings& regional) : Reader(regional) {}

  std::vector<std::string> Pictures;
  std::string FileName;
  TCatalogReader Reader;
  std::atomic<bool> Cancelled{false};
};

QProgressDialog* CreateProgress(int total, QWidget* parent) {
  auto* progress = new QProgressDialog(FromCp1252("Metainfo wird gelesen\x85"),
                                       FromCp1252("Abbrechen"), 0, total, parent);
  progress->setObjectName(QStringLiteral("CatalogProgress"));
  progress->setWindowTitle(QStringLiteral("Pixolyn"));
  progress->setWindowModality(Qt::WindowModal);
  progress->setMinimumDuration(0);
  progress->setAutoReset(false);
  progress->setAutoClose(false);
  progress->setAttribute(Qt::WA_DeleteOnClose);
  return progress;
}

void WriteFile(const std::shared_ptr<TCatalogJob>& job, QProgressDialog* progress,
               TFinished finished) {
  // Past this point the file is being written: there is nothing left to cancel.
  progress->setLabelText(
      QStringLiteral("%1 Bilder: die Datei wird geschrieben\u2026").arg(job->Pictures.size()));
  progress->setCancelButton(nullptr);
  RunInBackground(
      progress,
      [job] {
        try {
          WriteCatalog(job->Reader.Catalog(), job->FileName, kDefaultCsvSeparator);
          return QString();
        } catch (const TExportError& e) {
          return FromCp1252(e.what());
        }
      },
      [progress, finished = std::move(finished)](const QString& failure) {
        progress->close();
        finished(failure);
      });
}

// Reads the pictures on a worker, the progress dialog following; a cancel is
// seen at the next picture.
void ReadPictures(const std::shared_ptr<TCatalogJob>& job, QWidget* parent, TFinished finished) {
  const int total = static_cast<int>(job->Pictures.size());
  QProgressDialog* progress = CreateProgress(total, parent);
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

QStringList WorkbookNameFilters() {
  QStringList filters;
  for (const TFileFilter& filter : kWorkbookFilters) filters << FilterText(filter);
  return filters;
}

QFileDialog* CreateCatalogDialog(QWidget* parent) {
  auto* dialog = new QFileDialog(parent);
  dialog->setObjectName(QStringLiteral("CatalogDialog"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setNameFilters(CatalogNameFilters());
  dialog->setOption(QFileDialog::HideNameFilterDetails);
  return dialog;
}

std::string WithChosenExtension(const QFileDialog& dialog, const QString& chosen) {
  const std::string fileName = ToNative(chosen);
  if (CatalogFormatOf(fileName) != TCatalogFormat::Unknown) return fileName;
  return fileName + ToNative(SelectedExtension(dialog));
}

void WriteCatalogToChosenFile(QFileDialog& dialog, std::vector<std::string> pictures,
                              QWidget* parent, const RegionalSettings& regional,
                              TFinished finished) {
  auto job = std::make_shared<TCatalogJob>(regional);
  job->Pictures = std::move(pictures);
  // Answered once: the connection goes with this context object.
  auto* answer = new QObject(&dialog);
  QObject::connect(&dialog, &QDialog::finished, answer,
                   [&dialog, answer, job, parent, finished = std::move(finished)](int result) {
                     answer->deleteLater();
                     if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
                       finished({});
                       return;
                     }
                     job->FileName = WithChosenExtension(dialog, dialog.selectedFiles().first());
                     ReadPictures(job, parent, finished);
                   });
  dialog.open();
}

}  // namespace pixolyn
