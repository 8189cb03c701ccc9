#include "metadata/HeadReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace pixolyn {

HeadReader::HeadReader(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) throw std::runtime_error(std::strerror(errno));
}

HeadReader::~HeadReader() {
  if (fd_ >= 0) ::close(fd_);
}

std::size_t HeadReader::ReadFile(char* out, std::size_t count) {
  for (;;) {
    const ssize_t got = ::read(fd_, out, count);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return 0;
  }
}

bool HeadReader::Refill() {
  next_ = 0;
  end_ = ReadFile(buffer_.data(), buffer_.size());
  return end_ > 0;
}

std::string HeadReader::Read(std::size_t count) {
  std::string bytes(count, '\0');
  std::size_t have = 0;
  // Each pass takes at least one byte, or ends at the end of the file.
  while (have < count) {
    if (next_ == end_) {
      const std::size_t want = count - have;
      if (want >= buffer_.size()) {
        const std::size_t got = ReadFile(bytes.data() + have, want);
        if (got == 0) break;
        have += got;
        continue;
      }
      if (!Refill()) break;
    }
    const std::size_t take = std::min(count - have, end_ - next_);
    std::memcpy(bytes.data() + have, buffer_.data() + next_, take);
    next_ += take;
    have += take;
  }
  bytes.resize(have);
  return bytes;
}

void HeadReader::Skip(std::size_t count) {
  const std::size_t buffered = std::min(count, end_ - next_);
  next_ += buffered;
  if (count > buffered) ::lseek(fd_, static_cast<off_t>(count - buffered), SEEK_CUR);
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace pixolyn
