#pragma once
// An export's file written on a worker under a progress dialog whose
// "Abbrechen" gives the write up.

#include <QString>
#include <functional>
#include <string>

#include "export/ExportGridToWorkbook.h"

class QProgressDialog;
class QWidget;

namespace pixolyn {

// How an export ended: the message when nothing could be saved, and the file
// written (native; empty when the user cancelled or nothing was saved).
struct TExportOutcome {
  QString Failure;
  std::string Saved;
};
using TExportFinished = std::function<void(const TExportOutcome&)>;

// A window-modal progress dialog with "Abbrechen", closed by the code that
// runs under it; total 0 shows a busy bar.
QProgressDialog* CreateExportProgress(const QString& label, int total, QWidget* parent);

// Runs write on a worker while progress shows. "Abbrechen" hides progress and
// makes the cancelled() that write is given true; write then returns false
// having changed nothing, true once fileName is written, or raises
// TExportError. When it is over, progress is closed and finished runs on its thread.
void WriteUnderProgress(QProgressDialog* progress, const std::string& fileName,
                        std::function<bool(const TCancelled&)> write, TExportFinished finished);

}  // namespace pixolyn
