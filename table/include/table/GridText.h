#pragma once
// The table as tab-separated text, as it goes to the clipboard.

#include <string>
#include <string_view>

#include "metadata/Sections.h"
#include "table/TableModel.h"

namespace pixolyn {

// Every row (title and spacer rows included) as "cell0 TAB cell1 CR LF". A
// cell holding "{\" is rich text and gives its plain text; a TAB, CR or LF
// inside a cell becomes a blank and any other character below 0x20 a ".", so
// every line keeps its two columns.
std::string GridToTabText(const TMetaTable& grid);

// The same text appended to out, with lineEnd at the end of every row.
void AppendTabText(std::string& out, const TMetaTable& grid, std::string_view lineEnd);
// The same for the grid the sections fill, without filling one.
void AppendTabText(std::string& out, const TMetaSections& sections, std::string_view lineEnd);

// The cell as it goes into a workbook: every CR removed, TAB and LF as
// blanks, any other character below 0x20 as "."; no quoting.
std::string CellForWorkbook(std::string_view text);

// One cell as a tab-separated line writes it (a path written to the terminal too).
std::string TabTextCell(std::string_view text);

// Plain text of a rich-text (RTF) fragment: control words and groups dropped,
// \par as CR LF, \'hh as the Windows-1252 character hh in UTF-8.
std::string RichTextToPlain(std::string_view rtf);

}  // namespace pixolyn
