// pixolyn-info: prints the metadata table of JPEG (and TIFF) files as
// tab-separated UTF-8 text, built exactly as the viewer builds it, or writes
// one file's table into an .xls workbook as the viewer's export does.

#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "Options.h"
#include "export/ExportGridToWorkbook.h"
#include "export/ExportTitle.h"
#include "metadata/Cp1252.h"
#include "metadata/HeadReader.h"
#include "metadata/ImageData.h"
#include "metadata/Regional.h"
#include "table/GridText.h"
#include "table/MetaInfo.h"

namespace {

// Converts the table's CR LF line ends to the chosen ones.
std::string WithLineEnds(const std::string& text, bool crlf) {
  if (crlf) return text;
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t cr = text.find("\r\n"); cr != std::string::npos; cr = text.find("\r\n", start)) {
    out.append(text, start, cr - start);
    start = cr + 1;  // keeps the LF
  }
  out.append(text, start, std::string::npos);
  return out;
}

// Why a file cannot be read, or empty when it can.
std::string UnreadableReason(const std::string& path) {
  errno = 0;
  if (!pixolyn::FileExists(path)) {
    return errno == ENOENT || errno == 0 ? "no such file" : std::strerror(errno);
  }
  // Asking is cheaper than opening: the table's own read opens the file again.
  if (::access(path.c_str(), R_OK) != 0) return std::strerror(errno);
  return {};
}

// The table of a readable file, as the viewer shows it.
pixolyn::TMetaTable TableOfFile(const std::string& path) {
  std::unique_ptr<pixolyn::TImgData> image;
  pixolyn::LoadMetaInfo(path, image);
  pixolyn::TMetaTable grid;
  pixolyn::TIntArray sectionRows;
  pixolyn::ShowMetaInfo(grid, image.get(), sectionRows);
  image->ResetImage();
  return grid;
}

bool ReportIfUnreadable(const std::string& path) {
  const std::string reason = UnreadableReason(path);
  if (reason.empty()) return false;
  std::fprintf(stderr, "pixolyn-info: %s: %s\n", path.c_str(), reason.c_str());
  return true;
}

int PrintTables(const pixolyn::TInfoOptions& options) {
  int status = 0;
  const bool headers = options.Files.size() > 1;
  const char* const lineEnd = options.CrLf ? "\r\n" : "\n";
  for (const std::string& path : options.Files) {
    if (ReportIfUnreadable(path)) {
      status = 1;
      continue;
    }
    std::string out;
    if (headers) out += "# " + path + lineEnd;
    out += WithLineEnds(pixolyn::Cp1252ToUtf8(pixolyn::GridToTabText(TableOfFile(path))),
                        options.CrLf);
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
  if (std::fflush(stdout) != 0) return 1;
  return status;
}

int WriteWorkbook(const pixolyn::TInfoOptions& options) {
  const std::string& path = options.Files.front();
  if (ReportIfUnreadable(path)) return 1;
  try {
    pixolyn::ExportGridToWorkbook(TableOfFile(path), options.Workbook, pixolyn::ExportTitle(path));
  } catch (const pixolyn::TExportError& e) {
    std::fprintf(stderr, "pixolyn-info: %s\n", pixolyn::Cp1252ToUtf8(e.what()).c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  pixolyn::SetRegional(pixolyn::RegionalFromLocale());
  std::setlocale(LC_NUMERIC, "C");

  const pixolyn::TParsedOptions parsed = pixolyn::ParseOptions(argc, argv);
  if (!parsed.Error.empty()) {
    std::fprintf(stderr, "pixolyn-info: %s\n\n%s", parsed.Error.c_str(), pixolyn::kUsage);
    return 2;
  }
  if (parsed.Options.Help) {
    std::fputs(pixolyn::kUsage, stdout);
    return 0;
  }
  return parsed.Options.Workbook.empty() ? PrintTables(parsed.Options)
                                         : WriteWorkbook(parsed.Options);
}
