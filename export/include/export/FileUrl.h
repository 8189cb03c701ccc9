#pragma once
// file: URLs for the office, which takes documents and profiles only as URLs.

#include <string>
#include <string_view>

namespace pixolyn {

// "file://" and the absolute path with every byte outside the unreserved set
// and "/" percent-encoded, e.g. "/tmp/a b.xls" as "file:///tmp/a%20b.xls".
std::string FileUrlFromPath(std::string_view absolutePath);

}  // namespace pixolyn
