#include "TestJpeg.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace pixolyn::test {

std::string MakeJpeg(int width, int height, const std::string& comment) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 85, TRUE);
  jpeg_start_compress(&info, TRUE);
  if (!comment.empty()) {
    jpeg_write_marker(&info, JPEG_COM, reinterpret_cast<const JOCTET*>(comment.data()),
                      static_cast<unsigned>(comment.size()));
  }
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    const unsigned y = info.next_scanline;
    for (int x = 0; x < width; ++x) {
      row[x * 3] = static_cast<unsigned char>(x * 255 / std::max(width - 1, 1));
      row[x * 3 + 1] = static_cast<unsigned char>(y * 255 / std::max(height - 1, 1));
      row[x * 3 + 2] = 128;
    }
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace pixolyn::test
