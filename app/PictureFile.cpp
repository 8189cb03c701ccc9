#include "app/PictureFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "metadata/RegularFile.h"
#include "table/PictureTable.h"

namespace pixolyn {

FileOpenError::FileOpenError(std::string path, std::string systemText)
    : std::runtime_error(path + ": " + systemText),
      path_(std::move(path)),
      systemText_(std::move(systemText)) {}

namespace {

[[noreturn]] void Fail(const std::string& path, int error) {
  throw FileOpenError(path,
                      error == kNotRegularFile ? UnreadableReason(error) : std::strerror(error));
}

// Only a regular file is opened, and a pipe never so that it waits.
class FileHandle {
 public:
  explicit FileHandle(const std::string& path) : fd_(OpenRegularFile(path, error_)) {}
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  int Fd() const { return fd_; }
  int Error() const { return error_; }

 private:
  int error_ = 0;
  int fd_;
};

}  // namespace

std::string ReadPictureFile(const std::string& path) {
  FileHandle file(path);
  if (file.Fd() < 0) Fail(path, file.Error());
  struct stat st {};
  if (::fstat(file.Fd(), &st) != 0) Fail(path, errno);
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
