#pragma once
// Sequential reader of a file's head: buffered, read-only, closed on destruction.
// It reads with pread at an offset of its own, so that skipping costs no
// system call: the next read merely starts further on.

#include <sys/types.h>

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "jpeg/ByteSource.h"

namespace pixolyn {

// The file could not be opened; Error is the system's error number.
struct TOpenError : std::runtime_error {
  explicit TOpenError(int error);
  int Error;
};

class HeadReader final : public TByteSource {
 public:
  // Raises TOpenError with the system's text when the file cannot be opened.
  explicit HeadReader(const std::string& path);
  ~HeadReader();
  HeadReader(const HeadReader&) = delete;
  HeadReader& operator=(const HeadReader&) = delete;

  // The next byte, or nothing at the end of the file.
  std::optional<unsigned char> ReadByte() override {
    if (next_ == end_ && !Refill()) return std::nullopt;
    return static_cast<unsigned char>(buffer_[next_++]);
  }
  // Up to count bytes appended to out; fewer when the file ends first.
  void ReadAppend(std::string& out, std::size_t count) override;
  void Skip(std::size_t count) override;

 private:
  // One read covers the head of most pictures; a read error ends the file like its end.
  static constexpr std::size_t kBufferSize = 16 * 1024;

  bool Refill();
  // Reads into out straight from the file; the bytes read, 0 at the end.
  std::size_t ReadFile(char* out, std::size_t count);

  int fd_ = -1;
  off_t offset_ = 0;  // where the next read from the file starts
  std::size_t next_ = 0;
  std::size_t end_ = 0;
  std::array<char, kBufferSize> buffer_;
};

}  // namespace pixolyn
