#include "table/CatalogReader.h"

#include <filesystem>

#include "metadata/Cp1252.h"
#include "table/PictureTable.h"

namespace pixolyn {

std::pair<std::string, std::string> TCatalogReader::NameAndFolder(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  if (error) absolute = path;
  absolute = absolute.lexically_normal();
  // A folder's path may end in a separator; its row names the folder.
  if (!absolute.has_filename()) absolute = absolute.parent_path();
  // Names are the file system's bytes; the catalogue's texts are UTF-8.
  return {ValidUtf8(absolute.filename().string()), ValidUtf8(absolute.parent_path().string())};
}

std::string TCatalogReader::Add(const std::string& path) {
  TMetaSections sections;
  std::string reason = ReadPictureSections(path, sections, regional_);
  if (!reason.empty()) {
    AddFailure(path, reason);
    return reason;
  }
  const auto [file, folder] = NameAndFolder(path);
  catalog_.AddSections(file, folder, std::move(sections));
  return reason;
}

void TCatalogReader::AddFailure(const std::string& path, std::string_view reason) {
  const auto [file, folder] = NameAndFolder(path);
  catalog_.AddFailure(file, folder, reason);
}

}  // namespace pixolyn
