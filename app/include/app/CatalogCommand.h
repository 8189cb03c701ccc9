#pragma once
// The catalogue of the listed pictures as the viewer writes it: a save
// dialog for the four formats, then the pictures read on a worker thread
// under a progress dialog that can cancel, and the file written on a worker.

#include <QString>
#include <QStringList>
#include <functional>
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

// Opens dialog to ask for the file and writes the catalogue of pictures
// (native paths) into it; returns at once. finished runs on parent's thread
// when the file is written, when the user cancelled either dialog (nothing is
// written then) or when nothing could be saved, with the message in that case
// and empty otherwise. The pictures' texts are written in the given number and
// date formats.
void WriteCatalogToChosenFile(QFileDialog& dialog, std::vector<std::string> pictures,
                              QWidget* parent, const RegionalSettings& regional,
                              std::function<void(const QString& failure)> finished);

}  // namespace pixolyn
