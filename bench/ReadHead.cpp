#include "bench/ReadHead.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>

namespace pixolyn::bench {

std::size_t ReadHead(const std::string& path) {
  static std::array<char, 64 * 1024> buffer;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  const ssize_t got = ::read(fd, buffer.data(), buffer.size());
  ::close(fd);
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

}  // namespace pixolyn::bench
