#include "bench/BigJpeg.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "metadata/ByteView.h"

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

[[noreturn]] void Fail(j_common_ptr) {
  throw std::runtime_error("libjpeg failed to encode");
}

}  // namespace

std::string MakePhotoLikeJpeg(int width, int height, const std::string& metadataFrom) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  errors.error_exit = Fail;
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&info, &out, &outSize);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kQuality, TRUE);
  jpeg_start_compress(&info, TRUE);
  if (!metadataFrom.empty()) {
    const std::string app1 = FirstApp1Payload(metadataFrom);
    jpeg_write_marker(&info, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(app1.data()),
                      static_cast<unsigned>(app1.size()));
  }
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
  uint32_t noise = 2463534242u;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      noise ^= noise << 13;
      noise ^= noise >> 17;
      noise ^= noise << 5;
      const int grain = static_cast<int>(noise % 48) - 24;
      JSAMPLE* pixel = &row[static_cast<std::size_t>(x) * 3];
      pixel[0] = static_cast<JSAMPLE>(std::clamp(x * 200 / width + 28 + grain, 0, 255));
      pixel[1] = static_cast<JSAMPLE>(std::clamp(y * 200 / height + 28 + grain, 0, 255));
      pixel[2] =
          static_cast<JSAMPLE>(std::clamp((x + y) * 100 / (width + height) + 80 - grain, 0, 255));
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string jpeg(reinterpret_cast<const char*>(out), outSize);
  std::free(out);
  return jpeg;
}

}  // namespace pixolyn::bench
