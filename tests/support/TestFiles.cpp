#include "support/TestFiles.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace pixolyn::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pixolyn-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, std::string_view bytes) const {
  const std::string full = path_ + "/" + name;
  std::ofstream out(full, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return full;
}

std::string CorpusDir() {
  const std::filesystem::path dir =
      std::filesystem::path(PIXOLYN_SHARED_DIR) / "corpus" / "exiftool";
  std::error_code ec;
  return std::filesystem::is_directory(dir, ec) ? dir.string() : std::string();
}

}  // namespace pixolyn::test
