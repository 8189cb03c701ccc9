#include "app/ExportProgress.h"

#include <QProgressDialog>
#include <atomic>
#include <memory>

#include "app/AppText.h"
#include "app/Background.h"

namespace pixolyn {

QProgressDialog* CreateExportProgress(const QString& label, int total, QWidget* parent) {
  auto* progress = new QProgressDialog(label, FromCp1252("Abbrechen"), 0, total, parent);
  progress->setObjectName(QStringLiteral("ExportProgress"));
  progress->setWindowTitle(QStringLiteral("Pixolyn"));
  progress->setWindowModality(Qt::WindowModal);
  progress->setMinimumDuration(0);
  progress->setAutoReset(false);
  progress->setAutoClose(false);
  progress->setAttribute(Qt::WA_DeleteOnClose);
  progress->setValue(0);  // shows it at once
  return progress;
}

void WriteUnderProgress(QProgressDialog* progress, const std::string& fileName,
                        std::function<bool(const TCancelled&)> write, TExportFinished finished) {
  auto cancelled = std::make_shared<std::atomic<bool>>(progress->wasCanceled());
  QObject::connect(progress, &QProgressDialog::canceled, progress,
                   [cancelled] { *cancelled = true; });
  RunInBackground(
      progress,
      [cancelled, fileName, write = std::move(write)]() -> TExportOutcome {
        try {
          if (write([cancelled] { return cancelled->load(); })) return {{}, fileName};
        } catch (const TExportError& e) {
          // A failure after the user gave up is no news to them.
          if (!*cancelled) return {FromCp1252(e.what()), {}};
        }
        return {};
      },
      [progress, finished = std::move(finished)](const TExportOutcome& outcome) {
        progress->close();
        finished(outcome);
      });
}

}  // namespace pixolyn
