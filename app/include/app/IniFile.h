#pragma once
// A profile (INI) file: sections in brackets and key=value lines. Read and
// written one value at a time, nothing kept open in between. Section and key
// names are compared without regard to ASCII case; the order and the text of
// all other lines are kept as they are.

#include <cstddef>
#include <string>
#include <string_view>

namespace pixolyn {

class TIniFile {
 public:
  // Values are read with room for this many characters; a longer one is cut.
  static constexpr std::size_t kMaxValueLength = 2047;

  explicit TIniFile(std::string path) : path_(std::move(path)) {}

  const std::string& FileName() const { return path_; }

  // The value of key in section, or fallback when the file, the section or the key is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;

  // Overwrites an existing key in place, appends a missing key at the end of
  // its section, and creates a missing section or file. A value is written on
  // one line: it ends at its first line break. False when the file cannot be written.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;

 private:
  std::string path_;
};

}  // namespace pixolyn
