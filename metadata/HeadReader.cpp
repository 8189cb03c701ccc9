#include "metadata/HeadReader.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace pixolyn {

HeadReader::HeadReader(const std::string& path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) throw std::runtime_error(std::strerror(errno));
}

HeadReader::~HeadReader() {
  if (file_) std::fclose(file_);
}

std::optional<unsigned char> HeadReader::ReadByte() {
  const int c = std::getc(file_);
  if (c == EOF) return std::nullopt;
  return static_cast<unsigned char>(c);
}

std::string HeadReader::Read(std::size_t count) {
  std::string bytes(count, '\0');
  const std::size_t got = count ? std::fread(bytes.data(), 1, count, file_) : 0;
  bytes.resize(got);
  return bytes;
}

void HeadReader::Skip(std::size_t count) {
  std::fseek(file_, static_cast<long>(count), SEEK_CUR);
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace pixolyn
