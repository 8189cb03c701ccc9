#include "export/OfficeLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

namespace pixolyn {

namespace {
constexpr auto kRetryInterval = std::chrono::milliseconds(20);
}

std::optional<TOfficeLock> TOfficeLock::Acquire(const std::string& path,
                                                std::chrono::milliseconds timeout) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
      ::close(fd);
      return std::nullopt;
    }
    std::this_thread::sleep_for(kRetryInterval);
  }
  return TOfficeLock(fd);
}

TOfficeLock::TOfficeLock(TOfficeLock&& other) noexcept : fd_(other.fd_) {
  other.fd_ = -1;
}

TOfficeLock& TOfficeLock::operator=(TOfficeLock&& other) noexcept {
  std::swap(fd_, other.fd_);
  return *this;
}

TOfficeLock::~TOfficeLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace pixolyn
