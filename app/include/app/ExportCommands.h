#pragma once
// The main window's two export commands: the grid to the clipboard as
// tab-separated text, and into a sheet of an .xls workbook the user chooses.

#include <string>

#include "table/TableModel.h"

class QFileDialog;

namespace pixolyn {

// Replaces the clipboard's contents with the grid's text (plain text only).
void CopyGridToClipboard(const TMetaTable& grid);

// Asks for the workbook with dialog, which keeps the chosen name for the next
// time (the first time it opens in the picture's folder), and writes grid into the sheet titled
// after picturePath (a native path; empty before any picture was loaded). Nothing happens when the
// user cancels. Raises AppError when nothing was saved.
void WriteGridToChosenWorkbook(QFileDialog& dialog, const TMetaTable& grid,
                               const std::string& picturePath);

}  // namespace pixolyn
