// The standard EXIF values we read from the sample pictures, checked against
// ExifTool's dumps of the same files (numbers as stored, -n); and the rows we
// show for values that need a conversion, against ExifTool's converted numbers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fixtures/JpegBuilder.h"
#include "fixtures/JsonFile.h"
#include "metadata/Cp1252.h"
#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"
#include "metadata/Sections.h"
#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {
namespace {

namespace fs = std::filesystem;

enum class Compare { Text, Number, DegreesMinutesSeconds };

struct OracleTag {
  const char* ours;    // our tag name
  const char* theirs;  // ExifTool's group and name
  Compare compare;
};

const OracleTag kOracleTags[] = {
    {"Make", "IFD0:Make", Compare::Text},
    {"Model", "IFD0:Model", Compare::Text},
    {"DateTime", "IFD0:ModifyDate", Compare::Text},
    {"ExposureTime", "ExifIFD:ExposureTime", Compare::Number},
    {"FNumber", "ExifIFD:FNumber", Compare::Number},
    {"ISOSpeedRatings", "ExifIFD:ISO", Compare::Number},
    {"FocalLength", "ExifIFD:FocalLength", Compare::Number},
    {"Orientation", "IFD0:Orientation", Compare::Number},
    {"Flash", "ExifIFD:Flash", Compare::Number},
    {"ExifImageWidth", "ExifIFD:ExifImageWidth", Compare::Number},
    {"ExifImageLength", "ExifIFD:ExifImageHeight", Compare::Number},
    {"DateTimeOriginal", "ExifIFD:DateTimeOriginal", Compare::Text},
    {"DateTimeDigitized", "ExifIFD:CreateDate", Compare::Text},
    {"Software", "IFD0:Software", Compare::Text},
    {"XResolution", "IFD0:XResolution", Compare::Number},
    {"YResolution", "IFD0:YResolution", Compare::Number},
    {"ResolutionUnit", "IFD0:ResolutionUnit", Compare::Number},
    {"YCbCrPositioning", "IFD0:YCbCrPositioning", Compare::Number},
    {"ExposureProgram", "ExifIFD:ExposureProgram", Compare::Number},
    {"ExposureBiasValue", "ExifIFD:ExposureCompensation", Compare::Number},
    {"MeteringMode", "ExifIFD:MeteringMode", Compare::Number},
    {"LightSource", "ExifIFD:LightSource", Compare::Number},
    {"ColorSpace", "ExifIFD:ColorSpace", Compare::Number},
    {"FocalPlaneXResolution", "ExifIFD:FocalPlaneXResolution", Compare::Number},
    {"SensingMethod", "ExifIFD:SensingMethod", Compare::Number},
    {"ExposureMode", "ExifIFD:ExposureMode", Compare::Number},
    {"WhiteBalance", "ExifIFD:WhiteBalance", Compare::Number},
    {"DigitalZoomRatio", "ExifIFD:DigitalZoomRatio", Compare::Number},
    {"SceneCaptureType", "ExifIFD:SceneCaptureType", Compare::Number},
    {"InteroperabilityIndex", "InteropIFD:InteropIndex", Compare::Text},
    {"GPSAltitude", "GPS:GPSAltitude", Compare::Number},
    {"GPSLatitude", "GPS:GPSLatitude", Compare::DegreesMinutesSeconds},
    {"GPSLongitude", "GPS:GPSLongitude", Compare::DegreesMinutesSeconds},
};

// Degrees + minutes / 60 + seconds / 3600 of three stored fractions.
double DegreesOf(const TTagEntry& entry, bool bigEndian) {
  double degrees = 0;
  double scale = 1;
  for (std::size_t i = 0; i + 8 <= entry.RawText.size() && i < 24; i += 8) {
    degrees += TagValueAsNumber(entry.RawText.substr(i, 8), entry.FormatType, bigEndian) / scale;
    scale *= 60;
  }
  return degrees;
}

// The first standard (not maker-note) entry of that name; nullptr if none.
const TTagEntry* StandardEntry(const TImageInfo& info, std::string_view name) {
  for (int i = 0; i < info.TagCount; ++i) {
    const TTagEntry& entry = info.TagList[static_cast<std::size_t>(i)];
    if (entry.Group == 0 && entry.Name == name) return &entry;
  }
  return nullptr;
}

std::string BeforeFirstZero(const std::string& bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

// Several cameras pad Make and Model with blanks before the closing zero byte
// (Casio, Olympus, Pentax, Ricoh, Sanyo); ExifTool drops trailing blanks.
std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// ExifTool prints numbers with up to 15 significant digits.
bool SameNumber(double ours, double theirs) {
  return std::fabs(ours - theirs) <= 1e-9 * std::max(1.0, std::fabs(theirs));
}

std::vector<fs::path> CorpusPictures() {
  std::vector<fs::path> pictures;
  for (const auto& item : fs::directory_iterator(test::CorpusDir())) {
    const fs::path path = item.path();
    if ((path.extension() == ".jpg" || path.extension() == ".tif") &&
        fs::exists(path.string() + ".exiftool.json")) {
      pictures.push_back(path);
    }
  }
  std::sort(pictures.begin(), pictures.end());
  return pictures;
}

TEST(ExifCorpusOracle, StandardValuesAgreeWithExifTool) {
  if (test::CorpusDir().empty()) GTEST_SKIP() << "sample pictures not present";
  const auto pictures = CorpusPictures();
  ASSERT_FALSE(pictures.empty());
  int compared = 0;
  for (const fs::path& picture : pictures) {
    SCOPED_TRACE(picture.filename().string());
    const nlohmann::json dump = test::ReadJsonFile(picture.string() + ".exiftool.json");
    ASSERT_TRUE(dump.is_array() && dump.size() == 1 && dump[0].is_object());
    const nlohmann::json& theirs = dump[0];

    TImgData image;
    image.ReadImageFile(picture.string());
    const TImageInfo* info = image.ExifInfo.get();

    for (const OracleTag& tag : kOracleTags) {
      SCOPED_TRACE(tag.ours);
      const auto expected = theirs.find(tag.theirs);
      const TTagEntry* found = info ? StandardEntry(*info, tag.ours) : nullptr;
      ASSERT_EQ(found != nullptr, expected != theirs.end()) << "present on one side only";
      if (expected == theirs.end()) continue;
      const TTagEntry& entry = *found;
      ++compared;
      switch (tag.compare) {
        case Compare::Text: {
          const std::string ours =
              WithoutTrailingBlanks(Cp1252ToUtf8(BeforeFirstZero(entry.RawText)));
          // ExifTool writes a text that reads as a number as that number ("1.00" as 1.00).
          if (expected->is_number_float()) {
            EXPECT_PRED2(SameNumber, std::stod(ours), expected->get<double>());
          } else {
            EXPECT_EQ(ours, test::JsonText(*expected));
          }
          break;
        }
        case Compare::Number: {
          const double ours = TagValueAsNumber(entry.RawText, entry.FormatType, entry.BigEndian);
          // ExifTool writes a fraction over zero as a word; its number is 0 for us.
          if (*expected == "undef") {
            EXPECT_EQ(ours, 0);
            break;
          }
          ASSERT_TRUE(expected->is_number()) << *expected;
          EXPECT_PRED2(SameNumber, ours, expected->get<double>());
          break;
        }
        case Compare::DegreesMinutesSeconds:
          ASSERT_TRUE(expected->is_number()) << *expected;
          EXPECT_PRED2(SameNumber, DegreesOf(entry, entry.BigEndian), expected->get<double>());
          break;
      }
    }
  }
  EXPECT_GT(compared, 100);
}

// The value of the first row of that caption in the section.
std::string ShownValue(const TMetaSections& sections, TSectionKind kind, std::string_view caption) {
  for (const TMetaSection& section : sections) {
    for (const TSectionRow& row : section.Rows) {
      if (section.Kind == kind && row.Caption == caption) return row.Value;
    }
  }
  return "(no row)";
}

const RegionalSettings kGerman;

// ExifTool's converted number, written the way we write the row.
std::string Seconds(double t) {
  return t >= 1 ? FormatFixed(t, 0, 1, kGerman) + " Sec"
                : "1/" + std::to_string(std::lround(1 / t)) + " Sec";
}
std::string FNumber(double f) {
  return FormatNumberPattern("F%0.1f", std::span(&f, 1), kGerman);
}
std::string Millimetres(double mm) {
  return FormatFixed(mm, 5, 2, kGerman) + " mm";
}
std::string CanonQuality(double code) {
  const char* const kNames[] = {"", "Economy", "Normal", "Fine", "RAW", "SuperFine"};
  return code >= 1 && code <= 5 ? kNames[static_cast<int>(code)] : std::to_string(int(code));
}
std::string Whole(double n) {
  return std::to_string(static_cast<int>(n));
}

TEST(ExifCorpusOracle, ConvertedRowsAgreeWithExifTool) {
  if (test::CorpusDir().empty()) GTEST_SKIP() << "sample pictures not present";
  const struct {
    const char* theirs;
    TSectionKind section;
    const char* caption;
    std::string (*written)(double);
  } kRows[] = {
      {"ExifIFD:ShutterSpeedValue", TSectionKind::ExifStandard, "Verschlußzeit", Seconds},
      {"ExifIFD:ApertureValue", TSectionKind::ExifStandard, "Blendenöffnung", FNumber},
      {"ExifIFD:MaxApertureValue", TSectionKind::ExifStandard, "max. Blendenöffnung", FNumber},
      {"ExifIFD:FocalLengthIn35mmFormat", TSectionKind::ExifStandard, "Brennweite (35mm)",
       Millimetres},
      {"Canon:SelfTimer", TSectionKind::ExifMaker, "Self Timer", Whole},
      {"Canon:Quality", TSectionKind::ExifMaker, "Compression Rate", CanonQuality},
  };
  int compared = 0;
  int derived = 0;
  for (const fs::path& picture : CorpusPictures()) {
    SCOPED_TRACE(picture.filename().string());
    const nlohmann::json theirs = test::ReadJsonFile(picture.string() + ".exiftool.json")[0];
    TImgData image;
    image.ReadImageFile(picture.string());
    const TMetaSections sections = BuildSections(&image);
    for (const auto& row : kRows) {
      const auto it = theirs.find(row.theirs);
      if (it == theirs.end()) continue;
      // ExifTool writes some numbers as text, and 0 for a time it gives up on.
      const double number = it->is_number() ? it->get<double>() : std::stod(test::JsonText(*it));
      if (number == 0 && row.written == Seconds) continue;
      EXPECT_EQ(ShownValue(sections, row.section, row.caption), row.written(number)) << row.theirs;
      ++compared;
    }
    // ExifTool finds a sensor in more places; where we derive the value, we agree.
    std::string focal35 = ShownValue(sections, TSectionKind::ExifStandard, "Brennweite (35mm)");
    if (focal35 != "(no row)" && !theirs.contains("ExifIFD:FocalLengthIn35mmFormat")) {
      std::replace(focal35.begin(), focal35.end(), ',', '.');
      const double efl = theirs.at("Composite:FocalLength35efl").get<double>();
      EXPECT_NEAR(std::stod(focal35), efl, 0.005 * efl);
      ++derived;
    }
  }
  EXPECT_GT(compared, 50);
  EXPECT_GT(derived, 0);
}

}  // namespace
}  // namespace pixolyn
