#include "export/WorkbookFormat.h"

#include <unistd.h>

#include <array>
#include <stdexcept>

#include "metadata/ImageData.h"
#include "metadata/TextUtil.h"
#include "table/PictureTable.h"

namespace pixolyn {

namespace {
// The office's sheets hold 1024 columns and 1,048,576 rows; .xls holds fewer.
constexpr int kOfficeColumns = 1024;
constexpr int kOfficeRows = 1048576;
// The office cuts a sheet's name there when it writes an .xlsx file (an .xls
// file keeps the whole name).
constexpr std::size_t kXlsxSheetName = 31;

const std::array<TWorkbookFormat, 3> kFormats = {{
    {".xls", "MS Excel 97", kOle2Signature, "Excel-Arbeitsmappe", 256, 65536},
    {".xlsx", "Calc MS Excel 2007 XML", kZipSignature, "Excel-Arbeitsmappe (.xlsx)", kOfficeColumns,
     kOfficeRows, kXlsxSheetName},
    {".ods", "calc8", kZipSignature, "OpenDocument-Tabelle", kOfficeColumns, kOfficeRows},
}};

const TWorkbookFormat* FindFormat(std::string_view fileName) {
  for (const TWorkbookFormat& format : kFormats) {
    if (fileName.size() > format.Extension.size() &&
        EqualsIgnoringAsciiCase(fileName.substr(fileName.size() - format.Extension.size()),
                                format.Extension)) {
      return &format;
    }
  }
  return nullptr;
}
}  // namespace

const TWorkbookFormat& WorkbookFormatOf(std::string_view fileName) {
  const TWorkbookFormat* format = FindFormat(fileName);
  return format != nullptr ? *format : kFormats.front();
}

std::string_view StoredSheetName(std::string_view title, const TWorkbookFormat& format) {
  return format.MaxSheetName == 0 ? title : title.substr(0, format.MaxSheetName);
}

bool HasWorkbookExtension(std::string_view fileName) {
  return FindFormat(fileName) != nullptr;
}

bool FileStartsWith(const std::string& path, std::string_view signature) {
  // Opened as a picture is, so that a pipe of that name is refused, not waited on.
  int error = 0;
  const int fd = OpenRegularFile(path, error);
  if (fd < 0) {
    throw std::runtime_error(SystemErrorText(error));
  }
  std::string head(signature.size(), '\0');
  const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
  ::close(fd);
  return got == static_cast<ssize_t>(head.size()) && head == signature;
}

}  // namespace pixolyn
