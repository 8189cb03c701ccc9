#include "PictureList.h"

#include <algorithm>
#include <filesystem>

#include "metadata/TextUtil.h"

namespace pixolyn {

namespace fs = std::filesystem;

namespace {
bool IsJpegName(const fs::path& path) {
  return EqualsIgnoringAsciiCase(path.extension().string(), ".jpg");
}

// Symbolic links to folders are not followed, so a link loop cannot make the walk endless.
void AddFolder(const fs::path& folder, bool recurse, std::vector<std::string>& pictures) {
  std::vector<fs::path> files;
  std::vector<fs::path> folders;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::directory_entry& entry = *it;
    std::error_code ignored;
    if (entry.is_regular_file(ignored) && IsJpegName(entry.path())) {
      files.push_back(entry.path());
    } else if (recurse && entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
      folders.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  std::sort(folders.begin(), folders.end());
  for (const fs::path& file : files) pictures.push_back(file.string());
  for (const fs::path& sub : folders) AddFolder(sub, recurse, pictures);
}
}  // namespace

std::vector<std::string> PicturesOf(const std::vector<std::string>& arguments, bool recurse) {
  std::vector<std::string> pictures;
  for (const std::string& argument : arguments) {
    std::error_code error;
    if (fs::is_directory(argument, error)) {
      AddFolder(argument, recurse, pictures);
    } else {
      pictures.push_back(argument);
    }
  }
  return pictures;
}

}  // namespace pixolyn
