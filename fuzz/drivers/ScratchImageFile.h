#pragma once
// One scratch file in memory-backed storage, reachable under a JPEG and a
// TIFF name (two hard links to the same file), so that the image reader,
// which picks the format by extension, reads a fuzz input as either without
// the cost of creating files.

#include <string>
#include <string_view>

namespace pixolyn::fuzz {

class TScratchImageFile {
 public:
  // A fresh folder of its own in /dev/shm (or $TMPDIR, or /tmp); throws
  // std::runtime_error when none can be made.
  TScratchImageFile();
  ~TScratchImageFile();
  TScratchImageFile(const TScratchImageFile&) = delete;
  TScratchImageFile& operator=(const TScratchImageFile&) = delete;

  // Replaces the file's contents by bytes.
  void Write(std::string_view bytes);

  const std::string& JpegPath() const { return jpegPath_; }
  const std::string& TiffPath() const { return tiffPath_; }

 private:
  void Remove();

  std::string folder_;
  std::string jpegPath_;
  std::string tiffPath_;
  int fd_ = -1;
};

}  // namespace pixolyn::fuzz
