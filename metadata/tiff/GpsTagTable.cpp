// Dictionary of the tags of the GPS sub-directory.

#include <array>

#include "metadata/ExifDictionary.h"
#include "tiff/ExifFormatters.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below.
constexpr TValueName kGPSAltitudeRefNames[] = {{0, "Sealevel"}};
}  // namespace

std::span<const TTagEntry> GpsTagTable() {
  // clang-format off
  static const std::array<TTagEntry, 27> table = {{
      {.Tag = 0x0000, .Name = "GPSVersionID", .Label = "GPSVersionID"},
      {.Tag = 0x0001, .Name = "GPSLatitudeRef", .Label = "GPSLatitudeRef"},
      {.Tag = 0x0002, .Name = "GPSLatitude", .Label = "GPSLatitude", .Formatter = FormatGpsPosition},
      {.Tag = 0x0003, .Name = "GPSLongitudeRef", .Label = "GPSLongitudeRef"},
      {.Tag = 0x0004, .Name = "GPSLongitude", .Label = "GPSLongitude", .Formatter = FormatGpsPosition},
      {.Tag = 0x0005, .Name = "GPSAltitudeRef", .Label = "GPSAltitudeRef", .ValueMap = kGPSAltitudeRefNames},
      {.Tag = 0x0006, .Name = "GPSAltitude", .Label = "GPSAltitude"},
      {.Tag = 0x0007, .Name = "GPSTimeStamp", .Label = "GPSTimeStamp", .Formatter = FormatGpsTime},
      {.Tag = 0x0008, .Name = "GPSSatellites", .Label = "GPSSatellites"},
      {.Tag = 0x0009, .Name = "GPSStatus", .Label = "GPSStatus"},
      {.Tag = 0x000A, .Name = "GPSMeasureMode", .Label = "GPSMeasureMode"},
      {.Tag = 0x000B, .Name = "GPSDOP", .Label = "GPSDOP"},
      {.Tag = 0x000C, .Name = "GPSSpeedRef", .Label = "GPSSpeedRef"},
      {.Tag = 0x000D, .Name = "GPSSpeed", .Label = "GPSSpeed"},
      {.Tag = 0x000E, .Name = "GPSTrackRef", .Label = "GPSTrackRef"},
      {.Tag = 0x000F, .Name = "GPSTrack", .Label = "GPSTrack"},
      {.Tag = 0x0010, .Name = "GPSImageDirectionRef", .Label = "GPSImageDirectionRef"},
      {.Tag = 0x0011, .Name = "GPSImageDirection", .Label = "GPSImageDirection"},
      {.Tag = 0x0012, .Name = "GPSMapDatum", .Label = "GPSMapDatum"},
      {.Tag = 0x0013, .Name = "GPSDestLatitudeRef", .Label = "GPSDestLatitudeRef"},
      {.Tag = 0x0014, .Name = "GPSDestLatitude", .Label = "GPSDestLatitude", .Formatter = FormatGpsPosition},
      {.Tag = 0x0015, .Name = "GPSDestLongitudeRef", .Label = "GPSDestLongitudeRef"},
      {.Tag = 0x0016, .Name = "GPSDestLongitude", .Label = "GPSDestLongitude", .Formatter = FormatGpsPosition},
      {.Tag = 0x0017, .Name = "GPSDestBearingkRef", .Label = "GPSDestBearingkRef"},
      {.Tag = 0x0018, .Name = "GPSDestBearing", .Label = "GPSDestBearing"},
      {.Tag = 0x0019, .Name = "GPSDestDistanceRef", .Label = "GPSDestDistanceRef"},
      {.Tag = 0x001A, .Name = "GPSDestDistance", .Label = "GPSDestDistance"},
  }};
  // clang-format on
  return table;
}

}  // namespace pixolyn
