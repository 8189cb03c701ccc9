#include "metadata/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pixolyn {

int OpenRegularFile(const std::string& path, int& error) {
  // Without O_NONBLOCK the open of a pipe would wait for a writer.
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
  } else {
    error = 0;
    return fd;
  }
  ::close(fd);
  return -1;
}

int RegularFileError(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  return S_ISREG(st.st_mode) ? 0 : kNotRegularFile;
}

}  // namespace pixolyn
