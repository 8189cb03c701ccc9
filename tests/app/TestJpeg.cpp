#include "TestJpeg.h"

#include <algorithm>
#include <fstream>

#include "support/JpegEncoder.h"

namespace pixolyn::test {

std::string MakeJpeg(int width, int height, const std::string& comment) {
  return EncodeJpeg({.Width = width,
                     .Height = height,
                     .Pixel =
                         [width, height](int x, int y, unsigned char* rgb) {
                           rgb[0] = static_cast<unsigned char>(x * 255 / std::max(width - 1, 1));
                           rgb[1] = static_cast<unsigned char>(y * 255 / std::max(height - 1, 1));
                           rgb[2] = 128;
                         },
                     .Marker = comment.empty() ? 0 : 0xFE,
                     .MarkerPayload = comment});
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace pixolyn::test
