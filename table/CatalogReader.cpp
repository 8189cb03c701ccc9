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
  const std::string file = Utf8ToCp1252(absolute.filename().string());
  const std::string folder = Utf8ToCp1252(absolute.parent_path().string());
  std::string reason = UnreadableReason(path);
  if (!reason.empty()) {
    catalog_.AddFailure(file, folder, reason);
    return reason;
  }
  FillPictureTable(path, grid_, sectionRows_, regional_);
  catalog_.AddTable(file, folder, grid_, sectionRows_);
  return reason;
}

}  // namespace pixolyn
