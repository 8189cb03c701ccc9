#include "table/CatalogReader.h"

#include <filesystem>

#include "metadata/Cp1252.h"
#include "table/PictureTable.h"

namespace pixolyn {

namespace {
// The file's name and its folder's absolute path, as the catalogue shows them.
std::pair<std::string, std::string> NameAndFolder(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  if (error) absolute = path;
  absolute = absolute.lexically_normal();
  if (!absolute.has_filename()) absolute = absolute.parent_path();  // a folder's "dir/"
  // Names are the file system's bytes; the catalogue's texts are UTF-8.
  return {ValidUtf8(absolute.filename().string()), ValidUtf8(absolute.parent_path().string())};
}
}  // namespace

std::string TCatalogReader::Add(const std::string& path) {
  TMetaSections sections;
  std::string reason = ReadPictureSections(path, sections, regional_);
  const auto [file, folder] = NameAndFolder(path);
  if (!reason.empty()) {
    catalog_.AddFailure(file, folder, reason);
    return reason;
  }
  catalog_.AddSections(file, folder, std::move(sections));
  return reason;
}

std::string TCatalogReader::AddUnreadable(const std::string& path, int error) {
  std::string reason = FileErrorReason(error);
  const auto [file, folder] = NameAndFolder(path);
  catalog_.AddFailure(file, folder, reason);
  return reason;
}

}  // namespace pixolyn
