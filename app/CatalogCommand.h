#pragma once
// The catalogue of the listed pictures as the viewer writes it: a save
// dialog for the four formats, then the pictures read a slice at a time
// under a progress dialog that can cancel.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "metadata/Regional.h"

class QFileDialog;
class QWidget;

namespace pixolyn {

// The single-picture export's filters: "Excel-Datei" first, then .xlsx and .ods.
QStringList WorkbookNameFilters();

// The save dialog of the catalogue.
QFileDialog* CreateCatalogDialog(QWidget* parent);

// The chosen name, with the selected filter's extension added when the name
// has none of the known ones and that filter is not the first (whose name
// goes to the office unchanged).
std::string WithChosenExtension(const QFileDialog& dialog, const QString& chosen);

// Asks for the file with dialog and writes the catalogue of pictures (native
// paths) into it. Nothing is written when the user cancels either dialog.
// Raises AppError when nothing was saved.
// The pictures' texts are written in the given number and date formats.
void WriteCatalogToChosenFile(QFileDialog& dialog, const std::vector<std::string>& pictures,
                              QWidget* parent, const RegionalSettings& regional);

}  // namespace pixolyn
