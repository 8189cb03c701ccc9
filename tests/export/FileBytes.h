#pragma once
// The whole content of a file, for comparing it byte for byte.

#include <fstream>
#include <sstream>
#include <string>

namespace pixolyn::test {

inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace pixolyn::test
