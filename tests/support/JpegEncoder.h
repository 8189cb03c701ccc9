#pragma once
// Real JPEG pictures encoded with libjpeg, for the viewer's tests and the
// preview benchmarks.

#include <functional>
#include <string>
#include <string_view>

namespace pixolyn::test {

struct TJpegPicture {
  int Width = 0;
  int Height = 0;
  int Quality = 85;
  bool Progressive = false;  // libjpeg's simple progression script
  // Fills the three RGB bytes of the pixel at x, y; called row by row.
  std::function<void(int x, int y, unsigned char* rgb)> Pixel;
  // One segment written before the picture (0xE1 APP1, 0xFE COM); 0 for none.
  int Marker = 0;
  std::string_view MarkerPayload;
};

// A baseline (or progressive) JPEG (libjpeg's defaults: 4:2:0) of the picture; raises
// std::runtime_error when libjpeg fails.
std::string EncodeJpeg(const TJpegPicture& picture);

}  // namespace pixolyn::test
