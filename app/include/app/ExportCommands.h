#pragma once
// The main window's two export commands: the grid to the clipboard as
// tab-separated text, and into a sheet of a workbook the user chooses.

#include <string>

#include "app/ExportProgress.h"
#include "table/TableModel.h"

class QFileDialog;
class QStatusBar;
class QWidget;

namespace pixolyn {

// Replaces the clipboard's contents with the grid's text (plain text only).
void CopyGridToClipboard(const TMetaTable& grid);

// Asks for the workbook with dialog, opened in folder (native) and
// suggesting the picture's name, and writes grid into the sheet titled after
// picturePath (a native path; empty before any picture was loaded) on a
// worker, a busy progress dialog showing meanwhile; returns at once.
// finished runs on parent's thread when it is over, also when the user
// cancelled (nothing is changed then).
void WriteGridToChosenWorkbook(QFileDialog& dialog, TMetaTable grid, const std::string& picturePath,
                               const std::string& folder, QWidget* parent,
                               TExportFinished finished);

// "Gespeichert: NAME" in the status bar for a few seconds.
void ShowSaved(QStatusBar& statusBar, const std::string& fileName);

}  // namespace pixolyn
