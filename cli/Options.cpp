#include "Options.h"

#include <string_view>

namespace pixolyn {

const char* const kUsage =
    "Usage: pixolyn-info [--crlf] FILE...\n"
    "       pixolyn-info --xls WORKBOOK FILE\n"
    "\n"
    "Prints the metadata table of each FILE (JPEG comment, IPTC record, standard\n"
    "EXIF and GPS tags, maker-note tags) as tab-separated text in UTF-8, one row\n"
    "per line. With several files each table is preceded by a line \"# PATH\".\n"
    "\n"
    "Options:\n"
    "  --crlf          end lines with CR LF instead of LF\n"
    "  --xls WORKBOOK  write FILE's table into the sheet \"Metainfo f\xC3\xBCr NAME\" of the\n"
    "                  .xls workbook WORKBOOK instead of printing it: the workbook\n"
    "                  is created when missing, its other sheets are kept, and a\n"
    "                  file that is not an .xls workbook is left as it is; needs\n"
    "                  LibreOffice Calc\n"
    "  --help          show this help\n"
    "\n"
    "Exit status: 0 when every file was read (and the workbook written), 1 when a\n"
    "file was missing or unreadable (the other files are still printed) or the\n"
    "workbook could not be written, 2 on a usage error.\n";

TParsedOptions ParseOptions(int argc, const char* const* argv) {
  TParsedOptions parsed;
  TInfoOptions& options = parsed.Options;
  bool onlyFiles = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (onlyFiles || arg.size() < 2 || arg[0] != '-') {
      options.Files.emplace_back(arg);
    } else if (arg == "--") {
      onlyFiles = true;
    } else if (arg == "--help") {
      options.Help = true;
      return parsed;
    } else if (arg == "--crlf") {
      options.CrLf = true;
    } else if (arg == "--xls") {
      if (i + 1 >= argc) {
        parsed.Error = "--xls needs the name of a workbook";
        return parsed;
      }
      options.Workbook = argv[++i];
    } else {
      parsed.Error = "unknown option " + std::string(arg);
      return parsed;
    }
  }
  if (options.Files.empty()) {
    parsed.Error = "no FILE given";
  } else if (!options.Workbook.empty() && options.Files.size() > 1) {
    parsed.Error = "--xls takes exactly one FILE";
  }
  return parsed;
}

}  // namespace pixolyn
