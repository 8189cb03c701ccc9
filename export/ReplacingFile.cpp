#include "export/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "export/ExportGridToWorkbook.h"
#include "export/ExportMessages.h"

namespace pixolyn {

namespace {
// Names already taken by other writers are passed over; this many tries are plenty.
constexpr int kNameTries = 100;

std::string ResolvedTarget(const std::string& target) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path absolute = fs::absolute(target, error);
  if (error) return target;
  // A link is replaced by what it points to, not by a file of its own.
  const fs::path resolved = fs::weakly_canonical(absolute, error);
  return error ? absolute.string() : resolved.string();
}
}  // namespace

TReplacingFile::TReplacingFile(const std::string& target) : target_(ResolvedTarget(target)) {
  namespace fs = std::filesystem;
  const fs::path path(target_);
  std::error_code error;
  if (!fs::is_directory(path.parent_path(), error)) {
    throw TExportError(SaveFailedMessage(target, kMissingFolder));
  }
  std::random_device seed;
  std::mt19937 random(seed());
  int lastError = 0;
  for (int attempt = 0; attempt < kNameTries; ++attempt) {
    const std::string candidate = (path.parent_path() / ("." + path.filename().string() + "." +
                                                         std::to_string(random() % 1000000)))
                                      .string();
    // 0666: the umask decides who may read a new file, as for any other.
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      temporary_ = candidate;
      return;
    }
    lastError = errno;
    if (lastError != EEXIST) break;
  }
  throw TExportError(SaveFailedMessage(target, SystemReason(lastError)));
}

TReplacingFile::~TReplacingFile() {
  if (!committed_) ::unlink(temporary_.c_str());
}

void TReplacingFile::Commit(const std::string& shownName) {
  struct stat old {};
  if (::stat(target_.c_str(), &old) == 0) ::chmod(temporary_.c_str(), old.st_mode & 07777);
  // On the disk before it takes the old file's place, so that a crash cannot leave it half.
  if (const int fd = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC); fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    throw TExportError(SaveFailedMessage(shownName, SystemReason(errno)));
  }
  committed_ = true;
}

}  // namespace pixolyn
