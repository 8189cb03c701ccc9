// Opening and reading only regular files, so that no name can make a reader wait.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "metadata/ImageData.h"

namespace pixolyn {

namespace {
// A read that takes nothing without reaching the end is given up after this many tries.
constexpr int kMaxEmptyReads = 8;
}  // namespace

int RegularFileError(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  return S_ISREG(st.st_mode) ? 0 : kNotRegularFile;
}

int OpenRegularFile(const std::string& path, int& error) {
  // Asked first, because opening a device may already act on it.
  error = RegularFileError(path);
  if (error != 0) return -1;
  // The name may have become a pipe since: the open must not wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    error = errno;
  } else if (!S_ISREG(st.st_mode)) {
    error = kNotRegularFile;
  }
  if (error == 0) return fd;
  ::close(fd);
  return -1;
}

bool ReadRegularFile(const std::string& path, int64_t maxSize, std::string& bytes, int& error) {
  bytes.clear();
  const int fd = OpenRegularFile(path, error);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    error = errno;
  } else if (st.st_size > maxSize) {
    error = EFBIG;
  } else {
    // The size asked for bounds the read: a file that grows meanwhile is cut there.
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    int interrupted = 0;
    while (done < bytes.size() && error == 0) {
      const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
      if (got > 0) {
        done += static_cast<std::size_t>(got);
      } else if (got == 0) {
        break;  // the file shrank meanwhile
      } else if ((errno != EINTR && errno != EAGAIN) || ++interrupted > kMaxEmptyReads) {
        error = errno;
      }
    }
    bytes.resize(done);
  }
  ::close(fd);
  if (error != 0) bytes.clear();
  return error == 0;
}

}  // namespace pixolyn
