#include "app/CatalogCommand.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QProgressDialog>
#include <exception>
#include <thread>

#include "app/AppText.h"
#include "export/CatalogExport.h"
#include "table/CatalogCsv.h"
#include "table/CatalogReader.h"

namespace pixolyn {

namespace {
// The longest the window goes without handling its events while pictures are read.
constexpr qint64 kSliceMilliseconds = 15;

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

// Runs work on a thread of its own while the window keeps handling its events.
void RunBesideEvents(const std::function<void()>& work) {
  QEventLoop loop;
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  worker.join();
  if (failure) std::rethrow_exception(failure);
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

void WriteCatalogToChosenFile(QFileDialog& dialog, const std::vector<std::string>& pictures,
                              QWidget* parent, const RegionalSettings& regional) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string fileName = WithChosenExtension(dialog, dialog.selectedFiles().first());

  const int total = static_cast<int>(pictures.size());
  QProgressDialog progress(FromCp1252("Metainfo wird gelesen\x85"), FromCp1252("Abbrechen"), 0,
                           total, parent);
  progress.setObjectName(QStringLiteral("CatalogProgress"));
  progress.setWindowTitle(QStringLiteral("Pixolyn"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setAutoReset(false);
  progress.setAutoClose(false);

  TCatalogReader reader(regional);
  QElapsedTimer slice;
  slice.start();
  for (int i = 0; i < total; ++i) {
    reader.Add(pictures[static_cast<std::size_t>(i)]);
    // After the first picture too, so that a cancel comes in before the long part.
    if (i == 0 || i + 1 == total || slice.elapsed() >= kSliceMilliseconds) {
      progress.setLabelText(QStringLiteral("Bild %1 von %2").arg(i + 1).arg(total));
      progress.setValue(i + 1);
      QCoreApplication::processEvents();
      if (progress.wasCanceled()) return;
      slice.restart();
    }
  }

  // Past this point the file is being written: there is nothing left to cancel.
  progress.setLabelText(QStringLiteral("%1 Bilder: die Datei wird geschrieben\u2026").arg(total));
  progress.setCancelButton(nullptr);
  try {
    RunBesideEvents([&] { WriteCatalog(reader.Catalog(), fileName, kDefaultCsvSeparator); });
  } catch (const TExportError& e) {
    throw AppError(FromCp1252(e.what()));
  }
}

}  // namespace pixolyn
