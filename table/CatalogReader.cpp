#include "table/CatalogReader.h"

#include <filesystem>

#include "metadata/Cp1252.h"
#include "table/PictureTable.h"

namespace pixolyn {

std::string TCatalogReader::Add(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  if (error) absolute = path;
  absolute = absolute.lexically_normal();
  // Names are the file system's bytes; the catalogue's texts are UTF-8.
  const std::string file = ValidUtf8(absolute.filename().string());
  const std::string folder = ValidUtf8(absolute.parent_path().string());
  TMetaSections sections;
  std::string reason = ReadPictureSections(path, sections, regional_);
  if (!reason.empty()) {
    catalog_.AddFailure(file, folder, reason);
    return reason;
  }
  catalog_.AddSections(file, folder, std::move(sections));
  return reason;
}

}  // namespace pixolyn
