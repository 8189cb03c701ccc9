#pragma once
// The command line of pixolyn-info.

#include <string>
#include <vector>

namespace pixolyn {

extern const char* const kUsage;

struct TInfoOptions {
  bool Help = false;
  bool CrLf = false;
  std::string Workbook;  // --xls: write into this workbook instead of printing
  std::string Catalog;   // --catalog: write the catalogue of the pictures here
  bool Recurse = false;  // -r: folders with their subfolders
  char Separator = ';';  // of the CSV catalogue
  std::vector<std::string> Files;
};

struct TParsedOptions {
  TInfoOptions Options;
  std::string Error;  // set on a usage error (UTF-8)
};

TParsedOptions ParseOptions(int argc, const char* const* argv);

}  // namespace pixolyn
