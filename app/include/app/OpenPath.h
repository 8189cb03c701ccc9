#pragma once
// A file or folder handed to the program from outside: on the command line
// ("Öffnen mit" of a file manager) or dropped onto the window.

#include <string>

namespace pixolyn {

struct TOpenPath {
  std::string Folder;    // the folder to list
  std::string FileName;  // the file to select in it; empty for a folder
};

// A folder opens itself; anything else opens its folder with it selected.
// Relative paths count from the current folder.
TOpenPath SplitOpenPath(const std::string& path);

}  // namespace pixolyn
