#include "fuzz/drivers/FuzzDrivers.h"

namespace pixolyn::fuzz {

namespace {
constexpr TFuzzDriver kDrivers[] = {
    {.Name = "whole_file", .Drive = DriveWholeFile},
    {.Name = "iptc_segment", .Drive = DriveIptcSegment},
    {.Name = "exif_block", .Drive = DriveExifBlock},
    {.Name = "value_text", .Drive = DriveValueText},
    {.Name = "xmp_packet", .Drive = DriveXmpPacket},
};
}  // namespace

std::span<const TFuzzDriver> FuzzDrivers() {
  return kDrivers;
}

const TFuzzDriver* FindFuzzDriver(std::string_view name) {
  for (const TFuzzDriver& driver : kDrivers) {
    if (driver.Name == name) return &driver;
  }
  return nullptr;
}

}  // namespace pixolyn::fuzz
