#pragma once
// tEndInd: a byte buffer with its byte order, the common base of the image
// record and the EXIF decoder.

#include <cstdint>
#include <string>

#include "metadata/ByteView.h"

namespace pixolyn {

class tEndInd {
 public:
  virtual ~tEndInd() = default;

  bool BigEndian = false;  // "MM": most significant byte first
  std::string DataBuffer;

  // Both raise ReadOutOfBounds instead of reading outside DataBuffer.
  uint16_t Read16(int64_t offset) const { return ByteView(DataBuffer).U16(offset, BigEndian); }
  int32_t Read32(int64_t offset) const {
    return static_cast<int32_t>(ByteView(DataBuffer).U32(offset, BigEndian));
  }
};

}  // namespace pixolyn
