#include "fuzz/drivers/ScratchImageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace pixolyn::fuzz {

namespace {
namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& what) {
  throw std::runtime_error(what + ": " + std::strerror(errno));
}

// Folders are named after the process that made them: <prefix><pid>-XXXXXX.
constexpr std::string_view kFolderPrefix = "pixolyn-fuzz-";

// A fuzzer that finds a crash ends without cleaning up; the next one removes
// the folders of processes that no longer run.
void RemoveAbandonedFolders(const std::string& place) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(place, error)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(kFolderPrefix)) continue;
    const long pid = std::strtol(name.c_str() + kFolderPrefix.size(), nullptr, 10);
    if (pid > 0 && !fs::exists("/proc/" + std::to_string(pid), error)) {
      fs::remove_all(entry.path(), error);
    }
  }
}

// A new folder under the first place that takes one.
std::string MakeFolder() {
  std::vector<std::string> places = {"/dev/shm"};
  if (const char* tmp = std::getenv("TMPDIR"); tmp && *tmp) places.emplace_back(tmp);
  places.emplace_back("/tmp");
  for (const std::string& place : places) {
    std::string pattern =
        place + "/" + std::string(kFolderPrefix) + std::to_string(::getpid()) + "-XXXXXX";
    if (::mkdtemp(pattern.data())) {
      RemoveAbandonedFolders(place);
      return pattern;
    }
  }
  Fail("no folder for the scratch file");
}
}  // namespace

TScratchImageFile::TScratchImageFile()
    : folder_(MakeFolder()), jpegPath_(folder_ + "/x.jpg"), tiffPath_(folder_ + "/x.tif") {
  fd_ = ::open(jpegPath_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd_ < 0 || ::link(jpegPath_.c_str(), tiffPath_.c_str()) != 0) {
    const std::string what =
        "cannot create " + (fd_ < 0 ? jpegPath_ : tiffPath_) + ": " + std::strerror(errno);
    Remove();
    throw std::runtime_error(what);
  }
}

TScratchImageFile::~TScratchImageFile() {
  Remove();
}

void TScratchImageFile::Remove() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  ::unlink(tiffPath_.c_str());
  ::unlink(jpegPath_.c_str());
  ::rmdir(folder_.c_str());
}

void TScratchImageFile::Write(std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail("cannot write " + jpegPath_);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::ftruncate(fd_, static_cast<off_t>(bytes.size())) != 0) Fail("cannot cut " + jpegPath_);
}

}  // namespace pixolyn::fuzz
