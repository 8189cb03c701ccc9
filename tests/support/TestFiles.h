#pragma once
// Files for tests and benchmarks: a temporary folder of their own and the
// sample pictures.

#include <string>
#include <string_view>

namespace pixolyn::test {

// A fresh folder under the temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  // Writes bytes to name inside the folder and returns the full path.
  std::string Write(const std::string& name, std::string_view bytes) const;

 private:
  std::string path_;
};

// The sample pictures, or empty when ../shared is absent.
std::string CorpusDir();

}  // namespace pixolyn::test
