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

// Symbolic links to folders are not followed, so a link loop cannot make the
// walk endless. Every other entry with a picture's name is listed, so that a
// pipe, a link loop or a dangling link gets its row and its reason.
void AddFolder(const fs::path& folder, bool recurse, std::vector<TListedPicture>& pictures) {
  std::vector<fs::path> files;
  std::vector<fs::path> folders;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::directory_entry& entry = *it;
    std::error_code ignored;
    const bool walked = recurse && entry.is_directory(ignored) && !entry.is_symlink(ignored);
    if (walked) {
      folders.push_back(entry.path());
    } else if (IsJpegName(entry.path())) {
      files.push_back(entry.path());
    }
  }
  if (error) {
    pictures.push_back({.Path = folder.string(), .FolderError = error.value()});
    return;
  }
  std::sort(files.begin(), files.end());
  std::sort(folders.begin(), folders.end());
  for (const fs::path& file : files) pictures.push_back({.Path = file.string()});
  for (const fs::path& sub : folders) AddFolder(sub, recurse, pictures);
}
}  // namespace

std::vector<TListedPicture> PicturesOf(const std::vector<std::string>& arguments, bool recurse) {
  std::vector<TListedPicture> pictures;
  for (const std::string& argument : arguments) {
    std::error_code error;
    if (fs::is_directory(argument, error)) {
      AddFolder(argument, recurse, pictures);
    } else {
      pictures.push_back({.Path = argument});
    }
  }
  return pictures;
}

}  // namespace pixolyn
