#pragma once
// Reading a picture file whole, for the preview.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace pixolyn {

// A file that cannot be opened or read, with the system's error text (or,
// for what is no regular file, the German reason it is not read).
class FileOpenError : public std::runtime_error {
 public:
  FileOpenError(std::string path, std::string systemText);
  const std::string& Path() const { return path_; }
  const std::string& SystemText() const { return systemText_; }

 private:
  std::string path_;
  std::string systemText_;
};

// Larger files are refused rather than read into memory; no photograph comes near.
inline constexpr int64_t kMaxPictureFileSize = int64_t{512} * 1024 * 1024;

// The bytes of the file at path (native file-name bytes).
std::string ReadPictureFile(const std::string& path);

}  // namespace pixolyn
