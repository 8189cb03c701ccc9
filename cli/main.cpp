// pixolyn-info: prints the metadata table of JPEG (and TIFF) files as
// tab-separated UTF-8 text, built exactly as the viewer builds it; writes one
// file's table into a workbook as the viewer's export does; or writes the
// catalogue of many pictures, one row per picture.

#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <string>

#include "Options.h"
#include "PictureList.h"
#include "export/CatalogExport.h"
#include "export/ExportGridToWorkbook.h"
#include "export/ExportTitle.h"
#include "metadata/Cp1252.h"
#include "metadata/Regional.h"
#include "table/CatalogReader.h"
#include "table/GridText.h"
#include "table/PictureTable.h"

namespace {

void Report(const std::string& text) {
  std::fprintf(stderr, "pixolyn-info: %s\n", text.c_str());
}

void ReportUnreadable(const std::string& path, const std::string& reason) {
  Report(pixolyn::TabTextCell(path) + ": " + reason);  // no control character reaches the terminal
}

int PrintTables(const pixolyn::TInfoOptions& options, const pixolyn::RegionalSettings& regional) {
  int status = 0;
  const bool headers = options.Files.size() > 1;
  const char* const lineEnd = options.CrLf ? "\r\n" : "\n";
  // The text is rendered from the sections as the viewer's grid would give
  // it, without filling a grid, into a buffer kept from picture to picture.
  pixolyn::TMetaSections sections;
  std::string out;
  for (const std::string& path : options.Files) {
    if (const std::string reason = pixolyn::ReadPictureSections(path, sections, regional);
        !reason.empty()) {
      ReportUnreadable(path, reason);
      status = 1;
      continue;
    }
    out.clear();
    if (headers) out.append("# ").append(pixolyn::TabTextCell(path)).append(lineEnd);
    pixolyn::AppendTabText(out, sections, lineEnd);
    std::fwrite(out.data(), 1, out.size(), stdout);
  }
  if (std::fflush(stdout) != 0) return 1;
  return status;
}

int WriteWorkbook(const pixolyn::TInfoOptions& options, const pixolyn::RegionalSettings& regional) {
  const std::string& path = options.Files.front();
  pixolyn::TMetaTable grid;
  pixolyn::TIntArray sectionRows;
  if (const std::string reason = pixolyn::FillPictureTable(path, grid, sectionRows, regional);
      !reason.empty()) {
    ReportUnreadable(path, reason);
    return 1;
  }
  try {
    pixolyn::ExportGridToWorkbook(grid, options.Workbook, pixolyn::ExportTitle(path));
  } catch (const pixolyn::TExportError& e) {
    Report(pixolyn::Cp1252ToUtf8(e.what()));
    return 1;
  }
  return 0;
}

// "Bild 12 von 2000" on one line of the terminal, redrawn a few times a second.
class TProgressLine {
 public:
  explicit TProgressLine(std::size_t total) : total_(total), shown_(::isatty(STDERR_FILENO) == 1) {}
  void Update(std::size_t done) {
    if (!shown_) return;
    const auto now = std::chrono::steady_clock::now();
    if (done < total_ && now - last_ < std::chrono::milliseconds(100)) return;
    last_ = now;
    std::fprintf(stderr, "\rBild %zu von %zu", done, total_);
    if (done == total_) std::fputc('\n', stderr);
  }

 private:
  std::size_t total_;
  bool shown_;
  std::chrono::steady_clock::time_point last_{};
};

int WriteCatalog(const pixolyn::TInfoOptions& options, const pixolyn::RegionalSettings& regional) {
  const std::vector<pixolyn::TListedPicture> pictures =
      pixolyn::PicturesOf(options.Files, options.Recurse);
  int status = 0;
  pixolyn::TCatalogReader reader(regional);
  TProgressLine progress(pictures.size());
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const pixolyn::TListedPicture& picture = pictures[i];
    const std::string reason = picture.Error != 0
                                   ? reader.AddUnreadable(picture.Path, picture.Error)
                                   : reader.Add(picture.Path);
    if (!reason.empty()) {
      ReportUnreadable(picture.Path, reason);
      status = 1;
    }
    progress.Update(i + 1);
  }
  try {
    pixolyn::WriteCatalog(reader.Catalog(), options.Catalog, options.Separator);
  } catch (const pixolyn::TExportError& e) {
    Report(pixolyn::Cp1252ToUtf8(e.what()));
    return 1;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  const pixolyn::RegionalSettings regional = pixolyn::RegionalFromLocale();
  std::setlocale(LC_NUMERIC, "C");

  const pixolyn::TParsedOptions parsed = pixolyn::ParseOptions(argc, argv);
  if (!parsed.Error.empty()) {
    std::fprintf(stderr, "pixolyn-info: %s\n\n%s", parsed.Error.c_str(), pixolyn::kUsage);
    return 2;
  }
  const pixolyn::TInfoOptions& options = parsed.Options;
  if (options.Help) {
    std::fputs(pixolyn::kUsage, stdout);
    return 0;
  }
  if (!options.Catalog.empty()) return WriteCatalog(options, regional);
  return options.Workbook.empty() ? PrintTables(options, regional)
                                  : WriteWorkbook(options, regional);
}
