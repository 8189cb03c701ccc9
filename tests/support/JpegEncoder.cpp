#include "support/JpegEncoder.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace pixolyn::test {

namespace {
[[noreturn]] void Fail(j_common_ptr) {
  throw std::runtime_error("libjpeg failed to encode");
}
}  // namespace

std::string EncodeJpeg(const TJpegPicture& picture) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  errors.error_exit = Fail;
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&info, &out, &outSize);
  info.image_width = static_cast<JDIMENSION>(picture.Width);
  info.image_height = static_cast<JDIMENSION>(picture.Height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, picture.Quality, TRUE);
  if (picture.Progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  if (picture.Marker != 0) {
    jpeg_write_marker(&info, picture.Marker,
                      reinterpret_cast<const JOCTET*>(picture.MarkerPayload.data()),
                      static_cast<unsigned>(picture.MarkerPayload.size()));
  }
  std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.Width) * 3);
  for (int y = 0; y < picture.Height; ++y) {
    for (int x = 0; x < picture.Width; ++x)
      picture.Pixel(x, y, &row[static_cast<std::size_t>(x) * 3]);
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string jpeg(reinterpret_cast<const char*>(out), outSize);
  std::free(out);
  return jpeg;
}

}  // namespace pixolyn::test
