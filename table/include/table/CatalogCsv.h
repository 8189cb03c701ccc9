#pragma once
// The catalogue as CSV text (RFC 4180): UTF-8 with a byte-order mark, the
// titles first, CR LF after every line.

#include <functional>
#include <string>
#include <string_view>

#include "table/Catalog.h"

namespace pixolyn {

// German spreadsheets read "," as the decimal comma.
inline constexpr char kDefaultCsvSeparator = ';';

// Whether a spreadsheet would take the field for a formula: it begins with
// "=", "+", "@", TAB or CR, or with "-" not followed by a digit.
bool CsvReadsAsFormula(std::string_view field);

// Appends one field (UTF-8), in double quotes with its quotes doubled when it
// holds the separator or a double quote; a field read as a formula goes in
// quotes with a leading apostrophe. Characters below 0x20 but TAB become ".".
void AppendCsvField(std::string& line, std::string_view field, char separator);

// Hands the UTF-8 text to write in pieces, in order. separator is an ASCII character.
void WriteCatalogCsv(const TCatalog& catalog, char separator,
                     const std::function<void(std::string_view)>& write);

}  // namespace pixolyn
