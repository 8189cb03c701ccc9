// Sanyo maker notes.

#include "makernotes/MakerNoteTables.h"

namespace pixolyn {

std::span<const TTagEntry> SanyoTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0200, .Name = "Special Mode", .Label = "Special Mode"},
      {.Tag = 0x0201, .Name = "JpegQuality", .Label = "JpegQuality"},
      {.Tag = 0x0202, .Name = "Macro", .Label = "Macro"},
      {.Tag = 0x0203, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0204, .Name = "DigiZoom", .Label = "DigiZoom"},
      {.Tag = 0x0F00, .Name = "DataDump", .Label = "DataDump"},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
