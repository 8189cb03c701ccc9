#pragma once
// Sequential reader of a file's head: buffered, read-only, closed on destruction.

#include <cstdio>
#include <optional>
#include <string>

namespace pixolyn {

class HeadReader {
 public:
  // Raises std::runtime_error with the system's text when the file cannot be opened.
  explicit HeadReader(const std::string& path);
  ~HeadReader();
  HeadReader(const HeadReader&) = delete;
  HeadReader& operator=(const HeadReader&) = delete;

  // The next byte, or nothing at the end of the file.
  std::optional<unsigned char> ReadByte();
  // Up to count bytes; fewer when the file ends first.
  std::string Read(std::size_t count);
  void Skip(std::size_t count);

 private:
  std::FILE* file_ = nullptr;
};

bool FileExists(const std::string& path);

}  // namespace pixolyn
