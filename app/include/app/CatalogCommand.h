#pragma once
// The catalogue of the listed pictures as the viewer writes it: a save
// dialog for the four formats, then the pictures read on a worker thread
// and the file written on a worker, under a progress dialog that can cancel
// both.

#include <QString>
#include <string>
#include <vector>

#include "app/ExportProgress.h"
#include "metadata/Regional.h"

class QFileDialog;
class QWidget;

namespace pixolyn {

// Opens dialog in folder (native), suggesting the folder's name, to ask for
// the file, and writes the catalogue of pictures (native paths) into it;
// returns at once. finished runs on parent's thread when the file is
// written, when the user cancelled (nothing is written then) or when nothing
// could be saved. The pictures' texts are written in the given number and
// date formats.
void WriteCatalogToChosenFile(QFileDialog& dialog, const std::string& folder,
                              std::vector<std::string> pictures, QWidget* parent,
                              const RegionalSettings& regional, TExportFinished finished);

}  // namespace pixolyn
