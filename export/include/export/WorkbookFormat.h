#pragma once
// The workbook file formats the export writes, chosen by the file's extension.

#include <string>
#include <string_view>

namespace pixolyn {

// Every OLE2 compound file, and so every .xls workbook, starts with these bytes.
inline constexpr std::string_view kOle2Signature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8};
// .xlsx and .ods files are ZIP archives.
inline constexpr std::string_view kZipSignature{"PK\x03\x04", 4};

struct TWorkbookFormat {
  std::string_view Extension;   // with the dot, lower case
  std::string_view FilterName;  // the office's import and export filter
  std::string_view Signature;   // what an existing file of the format starts with
  std::string_view Kind;        // the format's name in messages (Windows-1252)
  int MaxColumns = 0;           // what a sheet of the format holds in the office
  int MaxRows = 0;
  std::size_t MaxSheetName = 0;  // characters of a sheet's name the file keeps; 0: all
};

// By the extension of fileName (any letter case); .xls for any other name,
// which is passed to the office unchanged.
const TWorkbookFormat& WorkbookFormatOf(std::string_view fileName);

// The sheet name as a file of the format stores title (Windows-1252: a
// character is a byte), and so as the server reads it back.
std::string_view StoredSheetName(std::string_view title, const TWorkbookFormat& format);

// True when fileName names one of the formats by its extension.
bool HasWorkbookExtension(std::string_view fileName);

// Raises std::runtime_error with the system's text (UTF-8) when the file
// cannot be opened, or the reason it is no regular file.
bool FileStartsWith(const std::string& path, std::string_view signature);

}  // namespace pixolyn
