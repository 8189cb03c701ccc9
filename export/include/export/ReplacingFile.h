#pragma once
// A file written whole under a temporary name beside its target and renamed
// over it, so that a failed, cancelled, killed or concurrent write leaves the
// old file or one whole new one.

#include <string>

namespace pixolyn {

class TReplacingFile {
 public:
  // Creates the temporary file (empty, readable as the umask allows) in the
  // folder of target, whose links are followed. Raises TExportError when the
  // folder is missing or no file can be made there.
  explicit TReplacingFile(const std::string& target);
  // Removes the temporary file unless it was committed.
  ~TReplacingFile();
  TReplacingFile(const TReplacingFile&) = delete;
  TReplacingFile& operator=(const TReplacingFile&) = delete;

  // The file the target's links lead to; the target itself when it has none.
  const std::string& Target() const { return target_; }
  const std::string& TemporaryPath() const { return temporary_; }

  // Puts the written temporary file in the target's place, with the mode an
  // existing target had. Raises TExportError (message naming shownName) when
  // it cannot; the target is then unchanged.
  void Commit(const std::string& shownName);

 private:
  std::string target_;
  std::string temporary_;
  bool committed_ = false;
};

}  // namespace pixolyn
