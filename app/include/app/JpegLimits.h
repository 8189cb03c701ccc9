#pragma once
// What one decode may cost, so that a frame header of a few bytes cannot make
// the viewer take gigabytes or minutes.

#include <cstdint>

struct jpeg_decompress_struct;

namespace pixolyn {

// Memory one decode may take: libjpeg's buffers and the decoded pixels
// together. A 100-megapixel camera picture needs well under half of it.
inline constexpr int64_t kMaxDecodeBytes = int64_t{1} << 30;

// A progressive picture of more scans is given up; encoders write about ten.
inline constexpr int kMaxScans = 300;

// The bytes a decode at the output size computed last needs, with
// outputComponents bytes a pixel: the output pixels, and for a picture of
// several scans the coefficient buffer of the whole picture, which libjpeg
// keeps at full size whatever the output scale.
int64_t DecodeBytes(const jpeg_decompress_struct& info, int outputComponents);

}  // namespace pixolyn
