#include "table/CatalogReader.h"

#include <filesystem>

#include "table/PictureTable.h"

namespace pixolyn {

std::string TCatalogReader::Add(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  if (error) absolute = path;
  absolute = absolute.lexically_normal();
  const std::string file = absolute.filename().string();
  const std::string folder = absolute.parent_path().string();
  std::string reason = UnreadableReason(path);
  if (!reason.empty()) {
    catalog_.AddFailure(file, folder, reason);
    return reason;
  }
  catalog_.AddSections(file, folder, ReadPictureSections(path));
  return reason;
}

}  // namespace pixolyn
