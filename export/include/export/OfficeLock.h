#pragma once
// An exclusive lock on a file, held from connecting to the office until the
// export has finished with it, so that no export quits an office another one uses.

#include <chrono>
#include <optional>
#include <string>

namespace pixolyn {

class TOfficeLock {
 public:
  // Creates the file when missing and waits at most timeout for the lock;
  // nullopt when it cannot be had.
  static std::optional<TOfficeLock> Acquire(const std::string& path,
                                            std::chrono::milliseconds timeout);
  ~TOfficeLock();
  TOfficeLock(TOfficeLock&& other) noexcept;
  TOfficeLock& operator=(TOfficeLock&& other) noexcept;
  TOfficeLock(const TOfficeLock&) = delete;
  TOfficeLock& operator=(const TOfficeLock&) = delete;

 private:
  explicit TOfficeLock(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace pixolyn
