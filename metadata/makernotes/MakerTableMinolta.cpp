// Minolta maker notes.

#include "makernotes/MakerNoteTables.h"

namespace pixolyn {

std::span<const TTagEntry> MinoltaTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0000, .Name = "ModelID", .Label = "ModelID"},
      {.Tag = 0x0E00, .Name = "PIMdata", .Label = "PIMdata"},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
