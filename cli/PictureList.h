#pragma once
// The pictures a catalogue is made of: files as given, folders as their JPEG files.

#include <string>
#include <vector>

namespace pixolyn {

// A picture to read, or a folder that could not be listed.
struct TListedPicture {
  std::string Path;
  int FolderError = 0;  // the system's error number of listing the folder; 0 for a picture
};

// Each argument that is a folder gives every entry named "*.jpg" (any letter
// case) that is not a folder walked into, whatever kind of file it is, sorted
// by name, and with recurse those of its subfolders after them; a folder that
// cannot be listed gives itself with the error. Any other argument is taken
// as a picture as it is.
std::vector<TListedPicture> PicturesOf(const std::vector<std::string>& arguments, bool recurse);

}  // namespace pixolyn
