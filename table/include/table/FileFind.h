#pragma once
// TFileSearch: enumerates the entries of a folder that match a wildcard mask,
// optionally descending into all subfolders. Free of any GUI library so that
// it can be tested and measured on its own, and run on a worker thread.

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace pixolyn {

// One directory entry as the search reports it.
struct TSearchRec {
  std::string Name;
  int64_t Size = 0;
  bool Directory = false;
  std::time_t Time = 0;  // last write
};

class TFileSearch;

// fullpath is the folder with its trailing "/", never the entry's own name.
using TFindFileEvent = std::function<void(const std::string& fullpath, const TSearchRec& info)>;
using TChangeFolderEvent = TFindFileEvent;
using TNotifyEvent = std::function<void(TFileSearch& sender)>;
// A folder (with its trailing "/") whose entries cannot be read, and the system's error number.
using TFolderErrorEvent = std::function<void(const std::string& folder, int error)>;

class TFileSearch {
 public:
  TFileSearch() = default;

  // Set during a search (for example from an event) to end it at the next entry.
  bool Stop = false;
  // A path ending in a mask, or several such parts separated by ";"; each
  // later part is taken relative to the folder of the part before it.
  std::string SearchFile;
  bool RecurseSubFolders = true;
  TFindFileEvent OnFileFind;
  TChangeFolderEvent OnChangeFolder;
  TNotifyEvent OnFinish;
  TFolderErrorEvent OnFolderError;

  // Full paths (folder + name) of the matches of the last search, in the order found.
  const std::vector<std::string>& FilesFound() const { return filesFound_; }
  bool Searching() const { return searching_; }

  void Run();
  // Runs the search over the given paths, each a folder and a mask as one
  // part of SearchFile, taken whole (a ";" in them is part of a name).
  void Search(const std::vector<std::string>& paths);

  // The paths that SearchFile stands for, one per ";"-separated part.
  static std::vector<std::string> SearchPaths(const std::string& searchFile);

 private:
  void SearchPath(const std::string& path);
  void WalkFolder(const std::string& folder, const TSearchRec& record, const std::string& mask);
  void ListMatches(const std::string& folder, const TSearchRec& record, const std::string& mask);

  std::vector<std::string> filesFound_;
  bool searching_ = false;
};

// The folder part of a path: everything up to and including its last "/".
std::string FolderPart(const std::string& path);

}  // namespace pixolyn
