#include "metadata/ExifDictionary.h"

#include <gtest/gtest.h>

#include <set>

#include "tiff/ExifFormatters.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {
namespace {

const TTagEntry& ExifEntry(uint16_t tag) {
  const auto table = ExifTagTable();
  return table[static_cast<std::size_t>(FindTagIndex(tag, table))];
}

TEST(ExifTagTable, Holds120TagsClosedByTheUnknownEntry) {
  const auto table = ExifTagTable();
  ASSERT_EQ(table.size(), 121u);
  EXPECT_EQ(ExifTagsWithoutClosing().size(), 120u);
  const TTagEntry& closing = table.back();
  EXPECT_EQ(closing.Tag, 0);
  EXPECT_EQ(closing.Name, "Unknown");
  EXPECT_EQ(closing.Label, "Unbekannt");
  EXPECT_TRUE(closing.ValueMap.empty());
  EXPECT_TRUE(closing.FormatPattern.empty());
  EXPECT_EQ(closing.Formatter, nullptr);
  EXPECT_EQ(table.front().Tag, 0x0001);
  EXPECT_EQ(table[119].Tag, 0xA420);
}

TEST(GpsTagTable, HoldsTags0To26InAscendingOrder) {
  const auto table = GpsTagTable();
  ASSERT_EQ(table.size(), 27u);
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].Tag, i);
    EXPECT_EQ(table[i].Label, table[i].Name) << "GPS labels are the names";
  }
  EXPECT_EQ(table.front().Name, "GPSVersionID");
  EXPECT_EQ(table[0x17].Name, "GPSDestBearingkRef");
  EXPECT_EQ(table.back().Name, "GPSDestDistance");
}

TEST(TagDictionaries, RecordsAreBareDictionaryEntriesWithUniqueTags) {
  for (const auto table : {ExifTagTable(), GpsTagTable()}) {
    std::set<uint16_t> tags;
    for (const TTagEntry& entry : table) {
      EXPECT_TRUE(tags.insert(entry.Tag).second) << "tag twice: " << entry.Tag;
      EXPECT_EQ(entry.Group, 0) << entry.Name;
      EXPECT_EQ(entry.FormatType, 0) << entry.Name;
      EXPECT_EQ(entry.RecordNumber, 0) << entry.Name;
      EXPECT_EQ(entry.MaxSize, 0) << entry.Name;
      EXPECT_TRUE(entry.Text.empty()) << entry.Name;
      EXPECT_TRUE(entry.RawText.empty()) << entry.Name;
      EXPECT_FALSE(entry.Name.empty());
      EXPECT_FALSE(entry.Label.empty());
    }
  }
}

TEST(ExifTagTable, KeepsItsOwnOrder) {
  const auto table = ExifTagTable();
  EXPECT_LT(FindTagIndex(0x015B, table), FindTagIndex(0x0156, table));
  EXPECT_EQ(FindTagIndex(0x015B, table) + 1, FindTagIndex(0x0156, table));
  EXPECT_EQ(FindTagIndex(0x010F, table), 12);
}

TEST(ExifTagTable, LabelsAreByteExact) {
  struct Case {
    uint16_t tag;
    std::string label;
  } cases[] = {
      {0x0001, "Interoperabilt\xE4s-Index"},
      {0x0101, "Bildh\xF6he"},
      {0x0106, "Photometrik" + std::string(13, ' ')},
      {0x010F, "Kamerahersteller"},
      {0x0128,
       "Ma\xDF"
       "einheit"},
      {0x0213, "YCbCr-Positioniserung"},
      {0x882B, "Selbstausl\xF6sermodus"},
      {0x9003, "Datum/Uhrzeit (\xC4nderung)"},
      {0x9004, "Datum/Uhrzeit (Aufnahme)"},
      {0x9201, "Verschlu\xDFzeit"},
      {0x9202,
       "Blenden\xF6"
       "ffnung"},
      {0x9205,
       "max. Blenden\xF6"
       "ffnung"},
      {0x9207, "Belichtungsmessung"},
      {0xA402, "Belichtungsmessung"},
      {0x920B, "Blitzlichtenergie"},
      {0xA20B, "Blitzenergie"},
      {0x920C, "SpatialFrequencyResponse"},
      {0xA20C, "Spatialfrequenz"},
      {0xA210, "Einheit f\xFCr CCD-Aufl\xF6sung"},
      {0xA214, "Subject-Location"},
      {0xA403,
       "Wei\xDF"
       "abgleich"},
      {0xA405, "Brennweite (35mm)"},
      {0xA409, "Farbs\xE4ttigung"},
      {0xA40A, "Sch\xE4rfe"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExifEntry(c.tag).Label, c.label) << std::hex << c.tag;
}

TEST(ExifTagTable, TiffEpAndExifTagsShareTheirNames) {
  const std::pair<uint16_t, uint16_t> pairs[] = {
      {0x920B, 0xA20B}, {0x920C, 0xA20C}, {0x9214, 0xA214}, {0x9215, 0xA215}};
  for (const auto& [tiffEp, exif] : pairs) {
    EXPECT_EQ(ExifEntry(tiffEp).Name, ExifEntry(exif).Name) << std::hex << tiffEp;
  }
}

TEST(TagDictionaries, PatternsAndFormattersSitOnTheirTags) {
  const std::pair<uint16_t, const char*> patterns[] = {
      {0x011A, "%5.2f"},  {0x011B, "%5.2f"},     {0x829A, "%s sec"},
      {0x829D, "F%0.1f"}, {0x9201, "%6.4f Sec"}, {0x9202, "F%0.1f"},
      {0x9205, "F%0.1f"}, {0x920A, "%5.2f mm"},  {0xA405, "%5.2f mm"},
  };
  int withPattern = 0;
  for (const TTagEntry& entry : ExifTagTable()) withPattern += !entry.FormatPattern.empty();
  EXPECT_EQ(withPattern, std::size(patterns));
  for (const auto& [tag, pattern] : patterns) EXPECT_EQ(ExifEntry(tag).FormatPattern, pattern);

  EXPECT_EQ(ExifEntry(0x9101).Formatter, &FormatComponents);
  EXPECT_EQ(ExifEntry(0x9209).Formatter, &FormatFlash);
  int exifFormatters = 0;
  for (const TTagEntry& entry : ExifTagTable()) exifFormatters += entry.Formatter != nullptr;
  EXPECT_EQ(exifFormatters, 2);

  const auto gps = GpsTagTable();
  int gpsFormatters = 0;
  for (const TTagEntry& entry : gps) {
    gpsFormatters += entry.Formatter != nullptr;
    EXPECT_TRUE(entry.FormatPattern.empty()) << entry.Name;
  }
  EXPECT_EQ(gpsFormatters, 5);
  for (const uint16_t tag : {0x02, 0x04, 0x14, 0x16}) {
    EXPECT_EQ(gps[tag].Formatter, &FormatGpsPosition) << tag;
  }
  EXPECT_EQ(gps[0x07].Formatter, &FormatGpsTime);
  EXPECT_EQ(gps[0x05].ValueMap, "0:Sealevel");
}

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

TEST(TagDictionaries, ValueMapsNameTheStoredNumbers) {
  struct Case {
    uint16_t tag;
    int value;
    std::string expected;
  } cases[] = {
      {0x0112, 1, "Normal"},
      {0x0112, 3, "Rotated 180\xB0"},
      {0x0112, 6, "CounterClockwise 90\xB0"},
      {0x0112, 8, "Clockwise 90\xB0"},
      {0x0112, 2, ""},
      {0x0112, 4, ""},
      {0x0112, 5, ""},
      {0x0112, 7, ""},
      {0x0103, 1, "TIFF"},
      {0x0103, 6, "Jpeg"},
      {0x0106, 2, "RGB"},
      {0xA001, 1, "sRGB"},
      {0xA001, 65535, ""},
      {0x9208, 10, "Flash"},
      {0x9208, 1, "Daylight"},
      {0x8822, 3, "Aperture priority"},
      {0xA402, 2, "Auto bracket"},
  };
  for (const Case& c : cases) {
    const TTagEntry entry = LookupTagEntry(c.tag, ExifKind);
    const std::string raw = {static_cast<char>(c.value >> 8), static_cast<char>(c.value & 0xFF)};
    EXPECT_EQ(FormatTagValue(raw, 3, entry.ValueMap, entry.FormatPattern, true), c.expected)
        << entry.Name << " " << c.value;
  }
}

}  // namespace
}  // namespace pixolyn
