#pragma once
// The table as tab-separated text, as it goes to the clipboard.

#include <string>
#include <string_view>

#include "metadata/Sections.h"
#include "table/TableModel.h"

namespace pixolyn {

// Every row (title and spacer rows included) as "cell0 TAB cell1 CR LF". A
// cell holding CR loses every CR and is put in double quotes; a cell holding
// "{\" is rich text and gives its plain text.
std::string GridToTabText(const TMetaTable& grid);

// The same text appended to out, with lineEnd for every CR LF (the rows' ends
// and the line breaks of rich text alike).
void AppendTabText(std::string& out, const TMetaTable& grid, std::string_view lineEnd);
// The same for the grid the sections fill, without filling one.
void AppendTabText(std::string& out, const TMetaSections& sections, std::string_view lineEnd);

// The cell as it goes into a workbook: every CR removed, no quoting.
std::string CellForWorkbook(std::string_view text);

// Plain text of a rich-text (RTF) fragment: control words and groups dropped,
// \par as CR LF, \'hh as the Windows-1252 character hh in UTF-8.
std::string RichTextToPlain(std::string_view rtf);

}  // namespace pixolyn
