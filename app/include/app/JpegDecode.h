#pragma once
// Decoding of a JPEG file held in memory with libjpeg, for the preview and
// the size in the status line.

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace pixolyn {

// A failure reported by libjpeg, with the library's message code and its
// message text (Windows-1252, German where there is a German text).
class JpegError : public std::runtime_error {
 public:
  JpegError(int code, std::string text);
  int Code() const { return code_; }
  const std::string& Text() const { return text_; }

 private:
  int code_;
  std::string text_;
};

struct TJpegSize {
  int Width = 0;
  int Height = 0;
};

// RGB, three bytes a pixel, rows without padding.
struct TDecodedPicture {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Pixels;
  TJpegSize Full;  // the picture's own size, of which this may be a scaled decode
};

// The output size of a one-quarter-scale decompression with the fast integer
// transform: each dimension divided by 4, rounded up.
TJpegSize QuarterScaleSize(std::string_view jpeg);

// The picture at full size with the library's default settings. A picture of
// more than kMaxDisplayPixels is decoded at the largest of the scales 1/2, 1/4
// and 1/8 that stays within it, so that a forged header cannot demand
// hundreds of megabytes; one that exceeds it even at 1/8 is refused with a
// JpegError (JERR_IMAGE_TOO_BIG) before anything is allocated.
inline constexpr int64_t kMaxDisplayPixels = int64_t{32} * 1024 * 1024;
TDecodedPicture DecodeForDisplay(std::string_view jpeg);

// The picture decoded with libjpeg's DCT scaling at the smallest of the
// scales 1/8, 1/4, 1/2 and 1 at which it still covers an area of cover
// pixels when fitted into it with its proportions kept; at full size when
// only that covers it. Much faster than a full decode for a preview of a
// large picture, and the picture drawn is the same.
TDecodedPicture DecodeToCover(std::string_view jpeg, TJpegSize cover);

}  // namespace pixolyn
