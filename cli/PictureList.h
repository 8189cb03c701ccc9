#pragma once
// The pictures a catalogue is made of: files as given, folders as their JPEG files.

#include <string>
#include <vector>

namespace pixolyn {

struct TListedPicture {
  std::string Path;
  // Why a folder's entries could not be read (a system error number); 0 for a picture.
  int Error = 0;
};

// Each argument that is a folder gives every entry named "*.jpg" (any letter
// case; whatever it is, so that one that cannot be read still gets its row),
// sorted by name, and with recurse those of its subfolders after them, each
// subfolder that cannot be read as an entry with its error; any other
// argument is taken as a picture as it is.
std::vector<TListedPicture> PicturesOf(const std::vector<std::string>& arguments, bool recurse);

}  // namespace pixolyn
