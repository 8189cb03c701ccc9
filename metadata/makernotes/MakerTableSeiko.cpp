// Seiko maker notes.

#include "makernotes/MakerNoteTables.h"

namespace pixolyn {

std::span<const TTagEntry> SeikoTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0200, .Name = "Special Mode", .Label = "Special Mode"},
      {.Tag = 0x0201, .Name = "JpegQuality", .Label = "JpegQuality"},
      {.Tag = 0x0202, .Name = "Macro", .Label = "Macro"},
      {.Tag = 0x0203, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0204, .Name = "DigiZoom", .Label = "DigiZoom"},
      {.Tag = 0x0209, .Name = "CameraID", .Label = "CameraID"},
      {.Tag = 0x020A, .Name = "Comments", .Label = "Comments"},
      {.Tag = 0x020B, .Name = "Width", .Label = "Width"},
      {.Tag = 0x020C, .Name = "Height", .Label = "Height"},
      {.Tag = 0x020D, .Name = "SoftRelease", .Label = "SoftRelease"},
      {.Tag = 0x0300, .Name = "??", .Label = "??"},
      {.Tag = 0x0F00, .Name = "skip", .Label = "skip"},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
