#pragma once
// The save dialogs of the exports: their file types, the name they suggest,
// and the question before an existing file is written.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QFileDialog;
class QWidget;

namespace pixolyn {

// The single-picture export's save dialog: "Excel-Datei" first, then .xlsx and .ods.
QFileDialog* CreateWorkbookDialog(QWidget* parent);
// The catalogue's: the three workbook types and CSV.
QFileDialog* CreateCatalogDialog(QWidget* parent);

// The chosen name, with the selected filter's extension added when the name
// has none of the known ones and that filter is not the first (whose name
// goes to the office unchanged).
std::string WithChosenExtension(const QFileDialog& dialog, const QString& chosen);

// Opens dialog (returning at once) in folder, suggesting baseName with the
// selected type's extension; the suggested extension follows the type the
// user picks. Once a name is accepted and the file that will be written
// exists, the user is asked first (a workbook is told to keep its sheets
// but the one named sheetName). chosen then runs with that file's name
// (native), or with an empty name when the user gave up.
void ChooseSaveTarget(QFileDialog& dialog, const QString& folder, const QString& baseName,
                      const QString& sheetName,
                      std::function<void(const std::string& fileName)> chosen);

}  // namespace pixolyn
