#include "PictureList.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "table/FileFind.h"

namespace pixolyn {

namespace fs = std::filesystem;

namespace {
constexpr const char* kPictureMask = "*.jpg";

// Name by name along both paths: where they part, a folder's own entry comes
// before anything inside one of its subfolders, and names sort as strings.
bool ListedBefore(const TListedPicture& a, const TListedPicture& b) {
  const fs::path left(a.Path);
  const fs::path right(b.Path);
  auto l = left.begin();
  auto r = right.begin();
  for (; l != left.end() && r != right.end(); ++l, ++r) {
    if (*l == *r) continue;
    const bool leftLast = std::next(l) == left.end();
    const bool rightLast = std::next(r) == right.end();
    if (leftLast != rightLast) return leftLast;
    return *l < *r;
  }
  return l == left.end() && r != right.end();
}

// The folder's entries. Symbolic links to folders are not followed, so a
// link loop cannot make the walk endless.
std::vector<TListedPicture> EntriesOf(std::string folder, bool recurse) {
  if (folder.back() != '/') folder += '/';
  std::vector<TListedPicture> found;
  TFileSearch search;
  search.RecurseSubFolders = recurse;
  search.OnFileFind = [&found](const std::string& in, const TSearchRec& entry) {
    found.push_back({in + entry.Name});
  };
  search.OnFolderError = [&found](const std::string& unread, int error) {
    found.push_back({unread.substr(0, unread.size() - 1), error});
  };
  search.Search({folder + kPictureMask});
  std::sort(found.begin(), found.end(), ListedBefore);
  return found;
}
}  // namespace

std::vector<TListedPicture> PicturesOf(const std::vector<std::string>& arguments, bool recurse) {
  std::vector<TListedPicture> pictures;
  for (const std::string& argument : arguments) {
    std::error_code error;
    if (!fs::is_directory(argument, error)) {
      pictures.push_back({argument});
      continue;
    }
    std::vector<TListedPicture> entries = EntriesOf(argument, recurse);
    std::move(entries.begin(), entries.end(), std::back_inserter(pictures));
  }
  return pictures;
}

}  // namespace pixolyn
