#include "table/FileFind.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <cerrno>

namespace pixolyn {

namespace {

// The mask that admits every entry, names without a dot included.
constexpr const char* kEveryEntry = "*.*";

bool IsDotEntry(const std::string& name) {
  return name == "." || name == "..";
}

bool MatchesMask(const std::string& mask, const std::string& name) {
  if (mask == kEveryEntry) return true;
  return ::fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
}

// What stat tells of an entry; a dangling link keeps only its name.
TSearchRec EntryRecord(const std::string& path, std::string name) {
  TSearchRec record;
  record.Name = std::move(name);
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    record.Size = static_cast<int64_t>(st.st_size);
    record.Directory = S_ISDIR(st.st_mode);
    record.Time = st.st_mtime;
  }
  return record;
}

// A folder that is a folder in its own right, not a link to one: links are
// not followed while descending, so a link cycle cannot trap the walk.
bool IsRealFolder(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The entries of one folder that match a mask, in the order the file system
// yields them. A folder that cannot be read yields none, and Error says why.
class FolderEntries {
 public:
  FolderEntries(const std::string& folder, std::string mask)
      : folder_(folder),
        mask_(std::move(mask)),
        dir_(::opendir(folder.empty() ? "." : folder.c_str())),
        error_(dir_ ? 0 : errno) {}
  ~FolderEntries() {
    if (dir_) ::closedir(dir_);
  }
  FolderEntries(const FolderEntries&) = delete;
  FolderEntries& operator=(const FolderEntries&) = delete;

  // Moves to the next matching entry; false at the end.
  bool Next() {
    if (!dir_) return false;
    while (const dirent* entry = ::readdir(dir_)) {
      std::string name = entry->d_name;
      if (!MatchesMask(mask_, name)) continue;
      std::string path = folder_ + name;
      current_ = EntryRecord(path, std::move(name));
      return true;
    }
    return false;
  }

  const TSearchRec& Current() const { return current_; }
  int Error() const { return error_; }

 private:
  std::string folder_;
  std::string mask_;
  DIR* dir_;
  int error_;
  TSearchRec current_;
};

// The record of a folder itself, looked up by its path without the trailing "/".
TSearchRec FolderRecord(const std::string& folder) {
  if (folder.size() < 2) return {};
  const std::string path = folder.substr(0, folder.size() - 1);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  return EntryRecord(path, path.substr(path.rfind('/') + 1));
}

}  // namespace

std::string FolderPart(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::vector<std::string> TFileSearch::SearchPaths(const std::string& searchFile) {
  const auto first = searchFile.find(';');
  if (first == std::string::npos) return {searchFile};
  std::vector<std::string> paths{searchFile.substr(0, first)};
  std::string rest = searchFile.substr(first + 1);
  while (!rest.empty()) {
    const auto next = rest.find(';');
    const std::string part = next == std::string::npos ? rest : rest.substr(0, next);
    rest = next == std::string::npos ? std::string() : rest.substr(next + 1);
    paths.push_back(FolderPart(paths.back()) + part);
  }
  return paths;
}

void TFileSearch::Run() {
  Search(SearchPaths(SearchFile));
}

void TFileSearch::Search(const std::vector<std::string>& paths) {
  Stop = false;
  searching_ = true;
  filesFound_.clear();
  for (const std::string& path : paths) SearchPath(path);
  if (OnFinish) OnFinish(*this);
  searching_ = false;
}

void TFileSearch::SearchPath(const std::string& path) {
  const std::string folder = FolderPart(path);
  const std::string mask = path.substr(folder.size());
  WalkFolder(folder, FolderRecord(folder), mask);
}

void TFileSearch::WalkFolder(const std::string& folder, const TSearchRec& record,
                             const std::string& mask) {
  ListMatches(folder, record, mask);
  FolderEntries entries(folder, kEveryEntry);
  bool found = entries.Next();
  while (found && !Stop) {
    const TSearchRec& entry = entries.Current();
    if (!IsDotEntry(entry.Name) && entry.Directory && RecurseSubFolders &&
        IsRealFolder(folder + entry.Name)) {
      WalkFolder(folder + entry.Name + "/", entry, mask);
    }
    found = entries.Next();
  }
}

void TFileSearch::ListMatches(const std::string& folder, const TSearchRec& record,
                              const std::string& mask) {
  if (OnChangeFolder) OnChangeFolder(folder, record);
  FolderEntries entries(folder, mask);
  if (entries.Error() != 0 && OnFolderError) OnFolderError(folder, entries.Error());
  bool found = entries.Next();
  while (found && !Stop) {
    const TSearchRec& entry = entries.Current();
    if (!IsDotEntry(entry.Name)) {
      if (OnFileFind) OnFileFind(folder, entry);
      filesFound_.push_back(folder + entry.Name);
    }
    found = entries.Next();
  }
}

}  // namespace pixolyn
