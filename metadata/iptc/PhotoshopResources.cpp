#include "iptc/PhotoshopResources.h"

#include <algorithm>

#include "tiff/ByteView.h"

namespace pixolyn {

namespace {
constexpr std::string_view kResourceType = "8BIM";
constexpr int64_t kIdSize = 2;
constexpr int64_t kSizeFieldSize = 4;

int64_t PaddedToEven(int64_t length) {
  return length + (length & 1);
}

bool OnlyZerosFrom(const ByteView& bytes, int64_t from) {
  return bytes.Bytes().find_first_not_of('\0', static_cast<std::size_t>(from)) ==
         std::string_view::npos;
}
}  // namespace

std::optional<std::string_view> FindPhotoshopResource(std::string_view bytes, int64_t from,
                                                      uint16_t id) {
  const ByteView view(bytes);
  if (!view.Fits(from, 0)) return std::nullopt;
  std::optional<std::string_view> found;
  // Each block moves the position on by at least twelve bytes.
  int64_t pos = from;
  while (!OnlyZerosFrom(view, pos)) {
    const int64_t nameAt = pos + static_cast<int64_t>(kResourceType.size()) + kIdSize;
    if (!view.Fits(pos, nameAt + 1 - pos) ||
        view.Bytes().substr(static_cast<std::size_t>(pos), kResourceType.size()) != kResourceType) {
      return std::nullopt;
    }
    const int64_t sizeAt = nameAt + PaddedToEven(1 + view.U8(nameAt));
    if (!view.Fits(sizeAt, kSizeFieldSize)) return std::nullopt;
    const int64_t dataAt = sizeAt + kSizeFieldSize;
    const int64_t size = view.U32(sizeAt, true);
    if (!view.Fits(dataAt, size)) return std::nullopt;
    if (!found && view.U16(pos + static_cast<int64_t>(kResourceType.size()), true) == id) {
      found = bytes.substr(static_cast<std::size_t>(dataAt), static_cast<std::size_t>(size));
    }
    // The padding byte of the last block may be missing.
    pos = std::min(dataAt + PaddedToEven(size), static_cast<int64_t>(view.Size()));
  }
  return found.value_or(std::string_view());
}

}  // namespace pixolyn
