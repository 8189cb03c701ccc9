#pragma once
// The pictures a catalogue is made of: files as given, folders as their JPEG files.

#include <string>
#include <vector>

namespace pixolyn {

// Each argument that is a folder gives its "*.jpg" files (any letter case),
// sorted by name, and with recurse those of its subfolders after them; any
// other argument is taken as a picture as it is.
std::vector<std::string> PicturesOf(const std::vector<std::string>& arguments, bool recurse);

}  // namespace pixolyn
