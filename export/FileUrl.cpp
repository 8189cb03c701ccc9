#include "export/FileUrl.h"

namespace pixolyn {

namespace {
bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/';
}
}  // namespace

std::string FileUrlFromPath(std::string_view absolutePath) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (char c : absolutePath) {
    const auto byte = static_cast<unsigned char>(c);
    if (Unreserved(byte)) {
      url += c;
    } else {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0x0F];
    }
  }
  return url;
}

}  // namespace pixolyn
