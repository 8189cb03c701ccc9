#include "app/OpenPath.h"

#include <filesystem>

namespace pixolyn {

TOpenPath SplitOpenPath(const std::string& path) {
  std::error_code ignored;  // a path that cannot be made absolute stays as given
  std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
  if (absolute.empty()) absolute = path;
  if (std::filesystem::is_directory(absolute, ignored)) return {absolute.string(), {}};
  return {absolute.parent_path().string(), absolute.filename().string()};
}

}  // namespace pixolyn
