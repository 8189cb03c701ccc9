#include "app/JpegLimits.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

namespace pixolyn {

namespace {

int64_t RoundedUp(int64_t value, int64_t multiple) {
  return multiple > 0 ? (value + multiple - 1) / multiple * multiple : value;
}

// libjpeg keeps every coefficient of the picture when its first scan leaves
// components out or the picture is progressive: 64 of two bytes a block,
// the blocks of each component rounded up to whole sampling units.
int64_t CoefficientBytes(const jpeg_decompress_struct& info) {
  if (!info.progressive_mode && info.comps_in_scan >= info.num_components) return 0;
  int64_t bytes = 0;
  for (int i = 0; i < info.num_components && info.comp_info; ++i) {
    const jpeg_component_info& component = info.comp_info[i];
    bytes += RoundedUp(component.width_in_blocks, component.h_samp_factor) *
             RoundedUp(component.height_in_blocks, component.v_samp_factor) *
             int64_t{sizeof(JBLOCK)};
  }
  return bytes;
}

}  // namespace

int64_t DecodeBytes(const jpeg_decompress_struct& info, int outputComponents) {
  const int64_t pixels = int64_t{info.output_width} * info.output_height;
  return CoefficientBytes(info) + pixels * outputComponents;
}

}  // namespace pixolyn
