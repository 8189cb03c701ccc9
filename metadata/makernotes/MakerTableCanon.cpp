// Canon maker notes; three rows expand their arrays into setting lines.

#include "makernotes/MakerNoteTables.h"

#include "makernotes/CanonFormatters.h"

namespace pixolyn {

std::span<const TTagEntry> CanonTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0000, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0001, .Name = "ExposureInfo1", .Label = "ExposureInfo1", .Formatter = FormatCanonCameraSettings},
      {.Tag = 0x0002, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0003, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0004, .Name = "ExposureInfo2", .Label = "ExposureInfo2", .Formatter = FormatCanonShotInfo},
      {.Tag = 0x0006, .Name = "ImageType", .Label = "ImageType"},
      {.Tag = 0x0007, .Name = "FirmwareVersion", .Label = "FirmwareVersion"},
      {.Tag = 0x0008, .Name = "ImageNumber", .Label = "ImageNumber"},
      {.Tag = 0x0009, .Name = "OwnerName", .Label = "OwnerName"},
      {.Tag = 0x000A, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x000B, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x000C, .Name = "CameraSerialNumber", .Label = "CameraSerialNumber"},
      {.Tag = 0x000D, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x000E, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x000F, .Name = "CustomFunctions", .Label = "CustomFunctions", .Formatter = FormatCanonCustomFunctions},
      {.Tag = 0x0010, .Name = "Skip", .Label = "Skip"},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
