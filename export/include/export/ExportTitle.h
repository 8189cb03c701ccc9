#pragma once
// The title of the sheet a picture's table is written into.

#include <string>
#include <string_view>

namespace pixolyn {

// "Metainfo für " and the file-name part of picturePath (a file-system path in
// UTF-8), as Windows-1252 text; just "Metainfo für " when no picture is loaded.
std::string ExportTitle(std::string_view picturePath);

}  // namespace pixolyn
