#pragma once
// Where the JPEG segment walk and the TIFF head read their bytes from, in
// order: a file's head reader or a file's bytes held in memory.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pixolyn {

class TByteSource {
 public:
  // The next byte, or nothing at the end.
  virtual std::optional<unsigned char> ReadByte() = 0;
  // Up to count bytes appended to out; fewer when the bytes end first.
  virtual void ReadAppend(std::string& out, std::size_t count) = 0;
  // Passes over up to count bytes, as far as the end at most.
  virtual void Skip(std::size_t count) = 0;

  std::string Read(std::size_t count) {
    std::string bytes;
    ReadAppend(bytes, count);
    return bytes;
  }

 protected:
  ~TByteSource() = default;
};

// Bytes held in memory; they must outlive the source.
class TMemorySource final : public TByteSource {
 public:
  explicit TMemorySource(std::string_view bytes) : bytes_(bytes) {}

  std::optional<unsigned char> ReadByte() override {
    if (next_ == bytes_.size()) return std::nullopt;
    return static_cast<unsigned char>(bytes_[next_++]);
  }
  void ReadAppend(std::string& out, std::size_t count) override {
    const std::size_t take = std::min(count, bytes_.size() - next_);
    out.append(bytes_.substr(next_, take));
    next_ += take;
  }
  void Skip(std::size_t count) override { next_ += std::min(count, bytes_.size() - next_); }

 private:
  std::string_view bytes_;
  std::size_t next_ = 0;
};

}  // namespace pixolyn
