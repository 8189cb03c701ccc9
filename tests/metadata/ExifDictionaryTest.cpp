#include "metadata/ExifDictionary.h"

#include <gtest/gtest.h>

namespace pixolyn {
namespace {

TEST(LookupTagEntry, UsesTheKindsTable) {
  struct Case {
    uint16_t tag;
    TDirectoryKind kind;
    uint16_t expectedTag;
    const char* expectedName;
  } cases[] = {
      {0x001A, GpsKind, 0x001A, "GPSDestDistance"},
      {0x0000, GpsKind, 0x0000, "GPSVersionID"},
      {0x0001, ExifKind, 0x0001, "InteroperabilityIndex"},
      {0x0001, GpsKind, 0x0001, "GPSLatitudeRef"},
      {0x010F, ExifKind, 0x010F, "Make"},
      {0x010F, GpsKind, 0, "Unknown"},
      {0x9010, ExifKind, 0, "Unknown"},
      {0x9010, GpsKind, 0, "Unknown"},
      {0x001A, ExifKind, 0, "Unknown"},
      {0x0000, ExifKind, 0, "Unknown"},
      {0xFFFF, ExifKind, 0, "Unknown"},
  };
  for (const Case& c : cases) {
    const TTagEntry entry = LookupTagEntry(c.tag, c.kind);
    EXPECT_EQ(entry.Tag, c.expectedTag) << std::hex << c.tag << " kind " << c.kind;
    EXPECT_EQ(entry.Name, c.expectedName) << std::hex << c.tag << " kind " << c.kind;
  }
  EXPECT_EQ(LookupTagEntry(0x9010, GpsKind).Label, "Unbekannt");
}

TEST(FindExifTagByName, IgnoresAsciiCaseAndSkipsTheClosingEntry) {
  const auto table = ExifTagTable();
  const int focal = FindExifTagByName("fOCALlENGTHIN35MMfILM");
  ASSERT_GE(focal, 0);
  EXPECT_EQ(table[static_cast<std::size_t>(focal)].Tag, 0xA405);
  const int flash = FindExifTagByName("FlashEnergy");
  ASSERT_GE(flash, 0);
  EXPECT_EQ(table[static_cast<std::size_t>(flash)].Tag, 0x920B);
  EXPECT_EQ(FindExifTagByName("Make"), 12);
  EXPECT_EQ(FindExifTagByName("Related Image Width"), FindTagIndex(0x1001, table));
  EXPECT_EQ(FindExifTagByName("Unknown"), -1);
  EXPECT_EQ(FindExifTagByName(""), -1);
  EXPECT_EQ(FindExifTagByName("Mak"), -1);
}

}  // namespace
}  // namespace pixolyn
