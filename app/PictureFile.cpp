#include "app/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pixolyn {

FileOpenError::FileOpenError(std::string path, std::string systemText)
    : std::runtime_error(path + ": " + systemText),
      path_(std::move(path)),
      systemText_(std::move(systemText)) {}

namespace {

[[noreturn]] void Fail(const std::string& path, int error) {
  throw FileOpenError(path, std::strerror(error));
}

class FileHandle {
 public:
  explicit FileHandle(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::string ReadPictureFile(const std::string& path) {
  FileHandle file(path);
  if (file.Fd() < 0) Fail(path, errno);
  struct stat st {};
  if (::fstat(file.Fd(), &st) != 0) Fail(path, errno);
  if (S_ISDIR(st.st_mode)) Fail(path, EISDIR);
  if (st.st_size > kMaxPictureFileSize) Fail(path, EFBIG);
  std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(file.Fd(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) Fail(path, errno);
    if (got == 0) break;  // the file shrank meanwhile
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace pixolyn
