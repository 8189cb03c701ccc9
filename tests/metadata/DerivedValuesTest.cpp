#include "tiff/DerivedValues.h"
#include "tiff/ExifDictionary.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fixtures/ExifReading.h"
#include "fixtures/TiffBuilder.h"
#include "metadata/ExifDecoder.h"
#include "metadata/Regional.h"

namespace pixolyn {
namespace {

using test::TiffBuilder;
using Fraction = std::pair<uint32_t, uint32_t>;

constexpr uint16_t kImageWidth = 0x0100, kImageLength = 0x0101, kResolutionUnit = 0x0128,
                   kExifOffset = 0x8769, kFocalLength = 0x920A, kExifImageWidth = 0xA002,
                   kExifImageLength = 0xA003, kFocalPlaneX = 0xA20E, kFocalPlaneY = 0xA20F,
                   kFocalPlaneUnit = 0xA210, kFocalLength35 = 0xA405;

// The camera values a picture may hold; absent ones are left out of the file.
struct Camera {
  std::optional<Fraction> focalLength;
  std::optional<uint16_t> resolutionUnit;
  std::optional<uint16_t> focalPlaneUnit;
  std::optional<Fraction> xResolution;
  std::optional<Fraction> yResolution;
  uint32_t width = 0;
  uint32_t height = 0;
  std::optional<uint16_t> focalLength35;
};

std::unique_ptr<TImgData> ReadCamera(const Camera& camera, bool bigEndian = false,
                                     const RegionalSettings& regional = {}) {
  TiffBuilder tiff(bigEndian);
  const auto main = tiff.Directory();
  const auto exif = tiff.Directory();
  if (camera.resolutionUnit) tiff.Short(main, kResolutionUnit, {*camera.resolutionUnit});
  tiff.SubDirectory(main, kExifOffset, exif);
  if (camera.focalLength) tiff.Rational(exif, kFocalLength, {*camera.focalLength});
  if (camera.width) tiff.Long(exif, kExifImageWidth, {camera.width});
  if (camera.height) tiff.Long(exif, kExifImageLength, {camera.height});
  if (camera.xResolution) tiff.Rational(exif, kFocalPlaneX, {*camera.xResolution});
  if (camera.yResolution) tiff.Rational(exif, kFocalPlaneY, {*camera.yResolution});
  if (camera.focalPlaneUnit) tiff.Short(exif, kFocalPlaneUnit, {*camera.focalPlaneUnit});
  if (camera.focalLength35) tiff.Short(exif, kFocalLength35, {*camera.focalLength35});
  return test::ReadJpegWithExif(tiff.Build(), regional);
}

class FocalLength35mm : public ::testing::Test {};  // German settings: decimal comma

TEST_F(FocalLength35mm, DerivesTheValueFromTheSensor) {
  const struct {
    const char* what;
    Camera camera;
    const char* expected;
  } cases[] = {
      {"7.5 mm x 5 mm sensor", {{{10, 1}}, {}, {3}, {{4000, 1}}, {{4000, 1}}, 3000, 2000}, "48,00"},
      {"inch unit", {{{63, 10}}, {}, {2}, {{11520, 1}}, {{11520, 1}}, 2592, 1944}, "38,16"},
      {"135 mm on a 22.2 mm x 14.8 mm sensor",
       {{{135, 1}}, {}, {4}, {{38880, 222}}, {{25920, 148}}, 3888, 2592},
       "218,92"},
      {"5 micrometre pixels, 20 mm x 15 mm",
       {{{10, 1}}, {}, {5}, {{1, 5}}, {{1, 5}}, 4000, 3000},
       "17,31"},
      {"resolutions not rounded", {{{10, 1}}, {}, {4}, {{5, 2}}, {{5, 2}}, 20, 10}, "48,37"},
      {"short result padded", {{{1, 10}}, {}, {3}, {{4000, 1}}, {{4000, 1}}, 3000, 2000}, " 0,48"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto image = ReadCamera(c.camera);
    const TImageInfo& info = *image->ExifInfo;
    ASSERT_GT(info.TagCount, 0);
    const TTagEntry& derived = info.TagList[static_cast<std::size_t>(info.TagCount - 1)];
    EXPECT_EQ(derived.Name, "FocalLengthin35mmFilm");
    EXPECT_EQ(derived.Label, "Brennweite (35mm)");
    EXPECT_EQ(derived.Tag, kFocalLength35);
    EXPECT_EQ(derived.Group, 0);
    EXPECT_EQ(derived.Text, c.expected);
    EXPECT_EQ(derived.FormatType, 10);
    EXPECT_EQ(derived.FormatPattern, "%s mm");
    EXPECT_EQ(derived.RawText, "");
  }
}

TEST_F(FocalLength35mm, AddsNothingWithoutAKnownPlausibleSensor) {
  const struct {
    const char* what;
    Camera camera;
  } cases[] = {
      {"no focal-plane resolution", {{{50, 1}}, {2}, {2}, {}, {}, 3000, 2000}},
      {"only the x resolution", {{{58, 10}}, {2}, {2}, {{11520, 1}}, {}, 2592, 1944}},
      {"no picture size", {{{10, 1}}, {}, {3}, {{4000, 1}}, {{4000, 1}}, 0, 0}},
      {"only the picture's resolution unit",
       {{{50, 1}}, {2}, {}, {{100, 1}}, {{100, 1}}, 100, 100}},
      {"focal-plane unit 1", {{{50, 1}}, {2}, {1}, {{100, 1}}, {{100, 1}}, 100, 100}},
      {"diagonal 0.69 mm", {{{135, 1}}, {}, {2}, {{166000, 1}}, {{166000, 1}}, 3888, 2592}},
      {"diagonal 90 mm", {{{50, 1}}, {}, {4}, {{1, 1}}, {{1, 1}}, 72, 54}},
      {"focal length 0/1", {{{0, 1}}, {}, {3}, {{4000, 1}}, {{4000, 1}}, 3000, 2000}},
      {"focal length n/0", {{{50, 0}}, {}, {3}, {{4000, 1}}, {{4000, 1}}, 3000, 2000}},
      {"no focal length", {{}, {}, {3}, {{4000, 1}}, {{4000, 1}}, 3000, 2000}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto image = ReadCamera(c.camera);
    EXPECT_LT(image->ExifInfo->FindTagByName("FocalLengthin35mmFilm"), 0);
  }
}

TEST_F(FocalLength35mm, WritesNumbersInTheRecordsRegionalFormat) {
  const RegionalSettings english{.DecimalSeparator = '.'};
  const auto image =
      ReadCamera({{{10, 1}}, {}, {3}, {{4000, 1}}, {{4000, 1}}, 3000, 2000}, false, english);
  EXPECT_EQ(image->ExifInfo->GetTagText("FocalLength"), "10.00 mm");
  EXPECT_EQ(image->ExifInfo->GetTagText("FocalLengthin35mmFilm"), "48.00");
}

TEST_F(FocalLength35mm, LeavesTheFilesOwnValueStanding) {
  Camera camera{{{10, 1}}, {}, {3}, {{4000, 1}}, {{4000, 1}}, 3000, 2000};
  camera.focalLength35 = 35;
  const auto image = ReadCamera(camera);
  const TImageInfo& info = *image->ExifInfo;
  int rows = 0;
  for (int i = 0; i < info.TagCount; ++i) rows += info.TagList[i].Name == "FocalLengthin35mmFilm";
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(info.GetTagText("FocalLengthin35mmFilm"), "35,00 mm");
}

TEST_F(FocalLength35mm, ComesAfterEveryTagReadFromTheFile) {
  TiffBuilder tiff(true);
  const auto main = tiff.Directory();
  const auto exif = tiff.Directory();
  const auto gps = tiff.Directory();
  tiff.Short(main, kResolutionUnit, {2}).SubDirectory(main, kExifOffset, exif);
  tiff.SubDirectory(main, 0x8825, gps).Ascii(main, 0x0131, "Last in file");
  tiff.Rational(exif, kFocalLength, {{50, 1}}).MakerNote(exif, "vendor bytes");
  tiff.Long(exif, kExifImageWidth, {3000}).Long(exif, kExifImageLength, {2000});
  tiff.Rational(exif, kFocalPlaneX, {{4000, 1}}).Rational(exif, kFocalPlaneY, {{4000, 1}});
  tiff.Short(exif, kFocalPlaneUnit, {3});
  tiff.Ascii(gps, 0x0001, "N");
  const auto image = test::ReadJpegWithExif(tiff.Build());
  EXPECT_EQ(
      test::StoredNames(*image->ExifInfo),
      (std::vector<std::string>{"ResolutionUnit", "ExifOffset", "FocalLength", "MakerNote",
                                "ExifImageWidth", "ExifImageLength", "FocalPlaneXResolution",
                                "FocalPlaneYResolution", "FocalPlaneResolutionUnit", "GPSInfo",
                                "GPSLatitudeRef", "Software", "FocalLengthin35mmFilm"}));
}

TEST(TagNumbers, ReadStoredValuesByNameAndRoundHalvesToEven) {
  const struct {
    Fraction resolution;
    double number;
    int integer;
  } cases[] = {
      {{12, 5}, 2.4, 2}, {{5, 2}, 2.5, 2}, {{7, 2}, 3.5, 4}, {{13, 5}, 2.6, 3}, {{9, 0}, 0, 0}};
  for (const bool bigEndian : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.resolution.first << "/" << c.resolution.second);
      Camera camera;
      camera.xResolution = c.resolution;
      const auto image = ReadCamera(camera, bigEndian);
      const TImageInfo& info = *image->ExifInfo;
      EXPECT_DOUBLE_EQ(info.TagNumberByName("focalplanexresolution"), c.number);
      EXPECT_EQ(info.TagIntegerByName("FocalPlaneXResolution"), c.integer);
      EXPECT_EQ(info.TagNumberByName("FocalPlaneYResolution"), 0);  // absent
    }
  }
}

TEST(FocalLength35, NeverDividesByZero) {
  TFocalLengthInputs inputs{.focalLength = 10, .resolutionUnit = 3, .pixelWidth = 100};
  inputs.xResolution = -5;
  EXPECT_EQ(FocalLength35(inputs), std::nullopt);
  inputs.xResolution = 100;
  inputs.yResolution = 100;  // a sensor of no height is not known
  EXPECT_EQ(FocalLength35(inputs), std::nullopt);
}

TEST(TagNumberByName, ReadsAnEntryInItsOwnByteOrder) {
  // A maker note may be stored in the other byte order than the EXIF block.
  TImageInfo info(nullptr);
  TTagEntry focal = LookupTagEntry(kFocalLength, ExifKind);
  focal.FormatType = kTypeRational;
  focal.BigEndian = true;
  focal.RawText = std::string("\0\0\x01\x2C\0\0\0\x04", 8);  // 300/4
  info.AddTag(focal);
  EXPECT_EQ(info.TagNumberByName("FocalLength"), 75);
}

}  // namespace
}  // namespace pixolyn
