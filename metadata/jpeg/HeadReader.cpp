#include "jpeg/HeadReader.h"

#include "metadata/ImageData.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace pixolyn {

TOpenError::TOpenError(int error) : std::runtime_error(std::strerror(error)), Error(error) {}

HeadReader::HeadReader(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) throw TOpenError(errno);
}

HeadReader::~HeadReader() {
  if (fd_ >= 0) ::close(fd_);
}

std::size_t HeadReader::ReadFile(char* out, std::size_t count) {
  for (;;) {
    const ssize_t got = ::pread(fd_, out, count, offset_);
    if (got >= 0) {
      offset_ += got;
      return static_cast<std::size_t>(got);
    }
    if (errno != EINTR) return 0;
  }
}

void HeadReader::Skip(std::size_t count) {
  const std::size_t buffered = end_ - next_;
  if (count <= buffered) {
    next_ += count;
    return;
  }
  offset_ += static_cast<off_t>(count - buffered);
  next_ = end_ = 0;
}

bool HeadReader::Refill() {
  next_ = 0;
  end_ = ReadFile(buffer_.data(), buffer_.size());
  return end_ > 0;
}

void HeadReader::ReadAppend(std::string& out, std::size_t count) {
  out.reserve(out.size() + count);
  std::size_t left = count;
  // Each pass takes at least one byte, or ends at the end of the file.
  while (left > 0) {
    if (next_ == end_) {
      if (left >= buffer_.size()) {
        const std::size_t start = out.size();
        out.resize(start + left);
        const std::size_t got = ReadFile(out.data() + start, left);
        out.resize(start + got);
        if (got == 0) return;
        left -= got;
        continue;
      }
      if (!Refill()) return;
    }
    const std::size_t take = std::min(left, end_ - next_);
    out.append(buffer_.data() + next_, take);
    next_ += take;
    left -= take;
  }
}

int RegularFileError(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  return S_ISREG(st.st_mode) ? 0 : ENOENT;
}

}  // namespace pixolyn
