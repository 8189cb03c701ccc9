#include "bench/BigJpeg.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "support/JpegEncoder.h"
#include "tiff/ByteView.h"

namespace pixolyn::bench {
namespace {

constexpr int kQuality = 90;
constexpr int kMarkerApp1 = 0xE1;
constexpr int kMarkerStartOfScan = 0xDA;

// The payload of the first APP1 segment among the segments before the scan.
std::string FirstApp1Payload(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  const ByteView view(bytes);
  int64_t offset = 2;  // after SOI
  while (view.Fits(offset, 4) && view.U8(offset) == 0xFF) {
    const int marker = view.U8(offset + 1);
    const int64_t length = view.U16(offset + 2, true);
    if (marker == kMarkerApp1) return CopyClamped(bytes, offset + 4, length - 2);
    if (marker == kMarkerStartOfScan) break;
    offset += 2 + length;
  }
  return {};
}

}  // namespace

std::string MakePhotoLikeJpeg(int width, int height, const std::string& metadataFrom) {
  const std::string app1 = metadataFrom.empty() ? std::string() : FirstApp1Payload(metadataFrom);
  uint32_t noise = 2463534242u;
  return test::EncodeJpeg(
      {.Width = width,
       .Height = height,
       .Quality = kQuality,
       .Pixel =
           [&noise, width, height](int x, int y, unsigned char* pixel) {
             noise ^= noise << 13;
             noise ^= noise >> 17;
             noise ^= noise << 5;
             const int grain = static_cast<int>(noise % 48) - 24;
             pixel[0] =
                 static_cast<unsigned char>(std::clamp(x * 200 / width + 28 + grain, 0, 255));
             pixel[1] =
                 static_cast<unsigned char>(std::clamp(y * 200 / height + 28 + grain, 0, 255));
             pixel[2] = static_cast<unsigned char>(
                 std::clamp((x + y) * 100 / (width + height) + 80 - grain, 0, 255));
           },
       .Marker = app1.empty() ? 0 : kMarkerApp1,
       .MarkerPayload = app1});
}

}  // namespace pixolyn::bench
