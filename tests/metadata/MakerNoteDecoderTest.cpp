#include "makernotes/MakerNoteDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/ExifReading.h"
#include "fixtures/MakerNoteBuilder.h"
#include "fixtures/TiffBuilder.h"
#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"
#include "metadata/Regional.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

using test::ExifWithMakerNote;
using test::MakerNoteBuilder;
using test::ReadJpegWithExif;
using test::TiffBuilder;

constexpr uint16_t kTypeAscii = 2, kTypeShort = 3, kTypeUndefined = 7;
constexpr uint16_t kExifImageWidth = 0xA002, kExifImageLength = 0xA003;
const std::string kNikonHeader("Nikon\0\1\0\0\0\0\0", 8);
const std::string kOlympusHeader("OLYMP\0\1\0", 8);
const std::string kFujiHeader("FUJIFILM\x0C\0\0\0", 12);

// The maker-specific entries, in list order.
struct MakerEntry {
  uint16_t tag;
  std::string label;
  std::string text;
  bool operator==(const MakerEntry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MakerEntry& e) {
  return out << "{0x" << std::hex << e.tag << std::dec << ", " << e.label << ", " << e.text << "}";
}

std::vector<MakerEntry> MakerEntries(const TImageInfo& info) {
  std::vector<MakerEntry> entries;
  for (int i = 0; i < info.TagCount; ++i) {
    const TTagEntry& e = info.TagList[static_cast<std::size_t>(i)];
    if (e.Group == 1) entries.push_back({e.Tag, std::string(e.Label), e.Text});
  }
  return entries;
}

std::vector<MakerEntry> MakerEntriesOfJpeg(const std::string& tiffBlock) {
  const auto image = ReadJpegWithExif(tiffBlock);
  if (!image->ExifInfo) return {};
  return MakerEntries(*image->ExifInfo);
}

// The same block as a JPEG and as a TIFF file finds the same maker entries.
void ExpectMakerEntriesOfJpegAndTiff(const std::string& tiffBlock,
                                     const std::vector<MakerEntry>& expected) {
  EXPECT_EQ(MakerEntriesOfJpeg(tiffBlock), expected);
  const auto tiff = test::ReadTiffFile(tiffBlock);
  ASSERT_TRUE(tiff->ExifInfo);
  EXPECT_EQ(MakerEntries(*tiff->ExifInfo), expected);
}

// The standard entry stored with this tag; nullptr if none.
const TTagEntry* StandardEntry(const TImageInfo& info, uint16_t tag) {
  for (int i = 0; i < info.TagCount; ++i) {
    const TTagEntry& e = info.TagList[static_cast<std::size_t>(i)];
    if (e.Group == 0 && e.Tag == tag) return &e;
  }
  return nullptr;
}

// The EXIF walk of a JPEG APP1 segment, with the image record kept for its error text.
struct DecodedExif {
  TImgData owner;
  TImageInfo info{&owner};
};

void DecodeAsJpegSegment(DecodedExif& decoded, const std::string& tiffBlock, bool bigEndian) {
  const std::string payload = std::string("Exif\0\0", 6) + tiffBlock;
  const auto length = static_cast<uint16_t>(payload.size() + 2);
  std::string segment{static_cast<char>(length >> 8), static_cast<char>(length & 0xFF)};
  segment += payload;
  decoded.info.ReadDirectory(segment, bigEndian, 16, 8, int64_t{length} + 3);
}

class MakerNote : public ::testing::TestWithParam<bool> {
 protected:
  bool BigEndian() const { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(BothByteOrders, MakerNote, ::testing::Values(false, true),
                         [](const auto& order) { return order.param ? "Motorola" : "Intel"; });

TEST_P(MakerNote, NikonNoteWithHeaderIsReadBehindItWithTheFirstTable) {
  MakerNoteBuilder note(BigEndian(), kNikonHeader);
  note.Short(0x0003, {6}).Short(0x0007, {2}).Short(0x0009, {1}).Short(0x000B, {1});
  const std::vector<MakerEntry> expected = {
      {0x0003, "Quality", "SXGA Fine10:2 Mpixel Basic"},
      {0x0007, "WhiteBalance", "Daylight"},
      {0x000B, "Converter", "verwendet"},
  };
  for (const char* make : {"NIKON CORPORATION", "Nikon", "nikon", "NIKON"}) {
    SCOPED_TRACE(make);
    EXPECT_EQ(MakerEntriesOfJpeg(ExifWithMakerNote(BigEndian(), make, note)), expected);
  }
}

TEST_P(MakerNote, AnyNoteBeginningWithNikonHasTheHeaderLayout) {
  MakerNoteBuilder note(BigEndian(), std::string("NikonXYZ", 8));
  note.Short(0x0004, {1});
  EXPECT_EQ(MakerEntriesOfJpeg(ExifWithMakerNote(BigEndian(), "NIKON", note)),
            (std::vector<MakerEntry>{{0x0004, "ColorMode", "Color"}}));
}

TEST_P(MakerNote, NikonNoteWithoutHeaderIsReadFromItsFirstByteWithTheSecondTable) {
  MakerNoteBuilder note(BigEndian(), "");
  note.Undefined(0x0001, "0200")
      .Ascii(0x0004, "FINE ")
      .Short(0x000A, {1})
      .Rational(0x0084, {{24, 1}, {85, 1}, {28, 10}, {45, 10}})
      .Rational(0x0086, {{100, 100}});
  const std::vector<MakerEntry> expected = {
      {0x0001, "FamilyID", "\"0200\""},
      {0x0004, "Quality", "\"FINE \""},
      {0x0084, "Lens information", "24,0-85,0(mm)  F2,8-F4,5"},
      {0x0086, "DigitalZoom", "100/100"},
  };
  EXPECT_EQ(MakerEntriesOfJpeg(ExifWithMakerNote(BigEndian(), "NIKON CORPORATION", note)),
            expected);
}

// "II" or "MM", 42 and the first-directory offset 8, in that byte order.
std::string TiffHeader(bool bigEndian) {
  return bigEndian ? std::string("MM\0*\0\0\0\x08", 8) : std::string("II*\0\x08\0\0\0", 8);
}

TEST_P(MakerNote, CurrentNikonNoteIsReadBehindItsOwnTiffHeaderWithTheSecondTable) {
  for (const bool noteBigEndian : {false, true}) {
    SCOPED_TRACE(noteBigEndian ? "note MM" : "note II");
    MakerNoteBuilder note(noteBigEndian,
                          std::string("Nikon\0\x02\x10\0\0", 10) + TiffHeader(noteBigEndian), 10);
    note.Undefined(0x0001, "0210")
        .Short(0x0002, {0, 200})
        .Ascii(0x0004, "FINE  ")
        .ValueAfterNote(0x0005, kTypeAscii, 5, 2);
    const std::string block =
        ExifWithMakerNote(BigEndian(), "NIKON CORPORATION", note, {}, std::string("..AUTO\0", 7));
    const std::vector<MakerEntry> expected = {
        {0x0001, "FamilyID", "\"0210\""},
        {0x0002, "ISOSpeed", "0, 200"},
        {0x0004, "Quality", "\"FINE  \""},
        {0x0005, "WhiteBalance", "\"AUTO\""},
    };
    ExpectMakerEntriesOfJpegAndTiff(block, expected);
  }
}

TEST_P(MakerNote, CurrentOlympusNoteIsReadInItsOwnOrderWithOffsetsFromItsFirstByte) {
  for (const bool noteBigEndian : {false, true}) {
    SCOPED_TRACE(noteBigEndian ? "note MM" : "note II");
    MakerNoteBuilder note(
        noteBigEndian,
        std::string("OLYMPUS\0", 8) + (noteBigEndian ? "MM" : "II") + std::string("\x03\0", 2),
        MakerNoteBuilder::Offsets::FromNote);
    note.Short(0x0201, {2}).Ascii(0x0207, "SX876").ValueAfterNote(0x0209, kTypeUndefined, 5, 1);
    const std::string block =
        ExifWithMakerNote(BigEndian(), "OLYMPUS IMAGING CORP.", note, {}, std::string(".E-M10", 6));
    const std::vector<MakerEntry> expected = {
        {0x0201, "JpegQual", "HQ"},
        {0x0207, "Firmware", "\"SX876\""},
        {0x0209, "Camera ID", "\"E-M10\""},
    };
    ExpectMakerEntriesOfJpegAndTiff(block, expected);
  }
}

TEST_P(MakerNote, OlympusValueOutsideTheNoteIsReadFromTheExifBytes) {
  MakerNoteBuilder note(BigEndian(), kOlympusHeader);
  note.Short(0x0201, {2})
      .Short(0x0202, {1})
      .ValueAfterNote(0x0207, kTypeAscii, 6)
      .Undefined(0x0209, "OLYMPUS!");  // the last value: it ends at the note's last byte
  const std::string block = ExifWithMakerNote(BigEndian(), "OLYMPUS OPTICAL CO.,LTD", note, {},
                                              std::string("SR951\0", 6));
  const std::vector<MakerEntry> expected = {
      {0x0201, "JpegQual", "HQ"},
      {0x0202, "Macro", "Macro;"},
      {0x0207, "Firmware", "\"SR951\""},
      {0x0209, "Camera ID", "\"OLYMPUS!\""},
  };
  ExpectMakerEntriesOfJpegAndTiff(block, expected);
}

TEST_P(MakerNote, ValueOutsideTheNoteIsReadWhereItsOffsetPointsByTheMakersOrigin) {
  const struct {
    const char* make;
    MakerNoteBuilder note;
    uint16_t tag;
    const char* label;
  } cases[] = {
      {"Canon", MakerNoteBuilder(BigEndian(), ""), 0x0006, "ImageType"},
      {"NIKON", MakerNoteBuilder(BigEndian(), ""), 0x0004, "Quality"},
      {"FUJIFILM", MakerNoteBuilder(false, kFujiHeader, MakerNoteBuilder::Offsets::FromNote),
       0x1000, "Quality"},
  };
  for (auto c : cases) {
    SCOPED_TRACE(c.make);
    c.note.ValueAfterNote(c.tag, kTypeAscii, 6, 2);
    const std::string block =
        ExifWithMakerNote(BigEndian(), c.make, c.note, {}, std::string("..SR951\0", 8));
    const std::vector<MakerEntry> expected = {{c.tag, c.label, "\"SR951\""}};
    ExpectMakerEntriesOfJpegAndTiff(block, expected);
  }
}

TEST_P(MakerNote, SameNoteGivesTheSameEntriesInJpegAndTiff) {
  MakerNoteBuilder note(BigEndian(), "");
  note.Short(0x0001, std::vector<uint16_t>(33, 1))
      .Ascii(0x0006, "IMG:PowerShot JPEG")
      .Ascii(0x0007, "Firmware Version 1.1.1")
      .Long(0x0008, {1181861});
  const std::string block = ExifWithMakerNote(BigEndian(), "Canon", note);
  const auto jpeg = ReadJpegWithExif(block);
  const auto tiff = test::ReadTiffFile(block);
  ASSERT_TRUE(jpeg->ExifInfo);
  ASSERT_TRUE(tiff->ExifInfo);
  const std::vector<MakerEntry> entries = MakerEntries(*jpeg->ExifInfo);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[1].text, "\"IMG:PowerShot JPEG\"");
  EXPECT_EQ(entries[3].text, "1181861");
  EXPECT_EQ(MakerEntries(*tiff->ExifInfo), entries);
}

TEST_P(MakerNote, FujifilmNoteIsReadInIntelOrderAndTheWalkGoesOnInTheExifOrder) {
  // The note is always in Intel order, with offsets from its own first byte.
  MakerNoteBuilder note(false, kFujiHeader, MakerNoteBuilder::Offsets::FromNote);
  note.Undefined(0x0000, "0130")
      .Ascii(0x1000, "NORMAL ")
      .Short(0x1001, {3})
      .Short(0x1002, {256})
      .Short(0x1032, {0});
  const auto later = [](TiffBuilder& tiff, TiffBuilder::Ref exif) {
    tiff.Short(exif, kExifImageWidth, {640});
    tiff.Short(exif, kExifImageLength, {480});
  };
  const auto image = ReadJpegWithExif(ExifWithMakerNote(BigEndian(), "FUJIFILM", note, later));
  ASSERT_TRUE(image->ExifInfo);
  const TImageInfo& info = *image->ExifInfo;
  const std::vector<MakerEntry> expected = {
      {0x1000, "Quality", "\"NORMAL \""},
      {0x1001, "Sharpness", "Normal"},
      {0x1002, "WhiteBalance", "Daylight"},
  };
  EXPECT_EQ(MakerEntries(info), expected);
  ASSERT_NE(StandardEntry(info, kExifImageWidth), nullptr);
  EXPECT_EQ(StandardEntry(info, kExifImageWidth)->Text, "640");
  EXPECT_EQ(info.PixelWidth, 640);
  EXPECT_EQ(info.PixelHeight, 480);
}

TEST_P(MakerNote, DirectoryRunningPastTheNoteGivesNoRowsAndTheWalkGoesOn) {
  MakerNoteBuilder canon(BigEndian(), "");
  canon.Short(0x0006, {1}).Short(0x0008, {42}).DeclareCount(5);
  MakerNoteBuilder fuji(false, kFujiHeader, MakerNoteBuilder::Offsets::FromNote);
  fuji.Short(0x1001, {5}).DeclareCount(40);
  const auto later = [](TiffBuilder& tiff, TiffBuilder::Ref exif) {
    tiff.Short(exif, kExifImageWidth, {800});
  };
  const struct {
    const char* make;
    const MakerNoteBuilder& note;
  } cases[] = {{"Canon", canon}, {"FUJIFILM", fuji}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.make);
    DecodedExif decoded;
    DecodeAsJpegSegment(decoded, ExifWithMakerNote(BigEndian(), c.make, c.note, later),
                        BigEndian());
    EXPECT_EQ(MakerEntries(decoded.info), std::vector<MakerEntry>{});
    EXPECT_EQ(decoded.info.PixelWidth, 800);
    EXPECT_EQ(decoded.info.TagList[static_cast<std::size_t>(decoded.info.TagCount - 1)].Tag,
              kExifImageWidth);
  }
}

TEST_P(MakerNote, CanonArraysBecomeSettingRows) {
  std::vector<uint16_t> settings(33, 0);
  settings[1] = 2;       // macro mode: normal
  settings[2] = 20;      // self timer: 2 s
  settings[4] = 1;       // flash: auto
  settings[13] = 65535;  // contrast: low
  std::vector<uint16_t> shot(19, 0);
  shot[7] = 1;  // white balance: sunny
  MakerNoteBuilder note(BigEndian(), "");
  note.Short(0x0001, settings)
      .Short(0x0002, {1, 2, 3, 4})
      .Short(0x0003, {0, 0, 0, 0})
      .Short(0x0004, shot)
      .Short(0x0005, {7})
      .Short(0x000F, {32, 257, 512, 3841});
  const auto image = ReadJpegWithExif(ExifWithMakerNote(BigEndian(), "Canon", note));
  ASSERT_TRUE(image->ExifInfo);
  const TImageInfo& info = *image->ExifInfo;
  const std::vector<MakerEntry> entries = MakerEntries(info);
  ASSERT_EQ(entries.size(), 3u);  // tags 2, 3 are skipped, 5 is not in the table
  EXPECT_EQ(entries[0].label, "ExposureInfo1");
  EXPECT_EQ(entries[1].label, "ExposureInfo2");
  EXPECT_EQ(entries[2].label, "CustomFunctions");
  EXPECT_EQ(entries[2].text,
            "32, 257, 512, 3841\r\nNoise Reduction =  On\r\nShutter AE Lock Button = AF/AE "
            "lock\r\nShutter Release w/o CF Card = Disable");

  std::vector<std::pair<std::string, std::string>> rows;
  for (const TInfo& row : TagListToInfo(info.TagList)) {
    if (row.Group == 1) rows.emplace_back(row.Caption, row.Value);
  }
  ASSERT_EQ(rows.size(), 20u + 6u + 3u);
  EXPECT_EQ(rows[0], (std::pair<std::string, std::string>{"Macro mode", "Normal"}));
  EXPECT_EQ(rows[1], (std::pair<std::string, std::string>{"Self Timer", "20"}));
  EXPECT_EQ(rows[3], (std::pair<std::string, std::string>{"Flash Mode", "Auto"}));
  EXPECT_EQ(rows[8], (std::pair<std::string, std::string>{"Contrast", "Low"}));
  EXPECT_EQ(rows[20], (std::pair<std::string, std::string>{"White balance", "Sunny"}));
  EXPECT_EQ(rows[26], (std::pair<std::string, std::string>{"Noise Reduction", "On"}));
}

TEST_P(MakerNote, SeikoKeepsItsQuestionMarkRowAndSkipsTheLowerCaseSkipRow) {
  MakerNoteBuilder note(BigEndian(), std::string("SEIKO\0\0\0", 8));
  note.Short(0x0201, {2}).Short(0x0203, {1}).Short(0x0300, {7}).Short(0x0F00, {1, 2, 3});
  EXPECT_EQ(MakerEntriesOfJpeg(ExifWithMakerNote(BigEndian(), "SEIKO EPSON CORP.", note)),
            (std::vector<MakerEntry>{{0x0201, "JpegQuality", "2"}, {0x0300, "??", "7"}}));
}

TEST_P(MakerNote, CasioSanyoAndMinoltaAreReadWithTheirLayouts) {
  MakerNoteBuilder casio(BigEndian(), "");
  casio.Short(0x0001, {1}).Short(0x0008, {3}).Long(0x000A, {65537});
  EXPECT_EQ(MakerEntriesOfJpeg(ExifWithMakerNote(BigEndian(), "CASIO COMPUTER CO.,LTD", casio)),
            (std::vector<MakerEntry>{{0x0001, "RecordingMode", "Single Shutter"},
                                     {0x000A, "DigitalZoom", "2X Digital Zoom"}}));

  MakerNoteBuilder sanyo(BigEndian(), std::string("SANYO\0\1\0", 8));
  sanyo.Short(0x0201, {262}).Short(0x0203, {0});
  EXPECT_EQ(MakerEntriesOfJpeg(ExifWithMakerNote(BigEndian(), "SANYO Electric Co.,Ltd.", sanyo)),
            (std::vector<MakerEntry>{{0x0201, "JpegQuality", "262"}}));

  // Tag 0 stands in the table but is never stored.
  MakerNoteBuilder minolta(BigEndian(), "");
  minolta.Undefined(0x0000, "MLT0").Undefined(0x0E00, "PrintIM");
  EXPECT_EQ(MakerEntriesOfJpeg(ExifWithMakerNote(BigEndian(), "Minolta Co., Ltd.", minolta)),
            (std::vector<MakerEntry>{{0x0E00, "PIMdata", "\"PrintIM\""}}));
}

TEST_P(MakerNote, DirectoryTheTablesCannotReadGivesNoRows) {
  const auto canon = [](bool bigEndian) {
    MakerNoteBuilder note(bigEndian, "");
    note.Ascii(0x0006, "IMG:PowerShot JPEG").Long(0x0008, {1181861});
    return note;
  };
  MakerNoteBuilder casioQvc(BigEndian(), std::string("QVC\0\0\0", 6));
  casioQvc.Short(0x0001, {1});
  const std::vector<MakerEntry> canonRows = {{0x0006, "ImageType", "\"IMG:PowerShot JPEG\""},
                                             {0x0008, "ImageNumber", "1181861"}};
  const struct {
    const char* what;
    const char* make;
    MakerNoteBuilder note;
    std::vector<MakerEntry> expected;
  } cases[] = {
      {"Casio QVC layout", "CASIO COMPUTER CO.,LTD", casioQvc, {}},
      {"count fits only in the other byte order", "Canon", canon(!BigEndian()), canonRows},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto image = ReadJpegWithExif(ExifWithMakerNote(BigEndian(), c.make, c.note));
    EXPECT_EQ(MakerEntries(*image->ExifInfo), c.expected);
    EXPECT_EQ(image->ExifInfo->CameraMake, c.make);
  }
}

TEST_P(MakerNote, MakesOfNoKnownMakerGiveNoEntries) {
  MakerNoteBuilder note(BigEndian(), "");
  note.Short(0x0000, {1}).Short(0x0E00, {2}).Short(0x0001, {1});
  for (const char* make : {"KONICA MINOLTA", "SONY", "Leica", "", "C A N O N"}) {
    SCOPED_TRACE(make);
    EXPECT_TRUE(MakerEntriesOfJpeg(ExifWithMakerNote(BigEndian(), make, note)).empty());
  }
}

TEST(MakerNotePlan, TellsWhetherTheMakeIsKnownWhateverTheNoteHolds) {
  const std::vector<std::pair<std::string, bool>> makes = {
      {"NIKON CORPORATION", true},
      {"OLYMPUS IMAGING CORP.", true},
      {"CASIO", true},
      {"FUJIFILM", true},
      {"Canon", true},
      {"SEIKO EPSON", true},
      {"SANYO", true},
      {"MINOLTA CO.,LTD", true},
      {"KONICA MINOLTA", false},
      {"SONY", false},
      {"", false},
      {" CANON", false},
  };
  // An empty note: too short for any directory.
  struct TNoEntries final : TEntrySink {
    bool Take(const TTiffEntry&, const TTiffWalk&) override { return true; }
  } none;
  TWalkLimits limits;
  const TTiffWalk walk{.Origin = 8, .Limits = limits, .Sink = none};
  for (const auto& [make, known] : makes) {
    SCOPED_TRACE(make);
    const TMakerNotePlan plan = PlanMakerNote(walk, TTiffEntry{.Tag = 0x927C}, make);
    EXPECT_EQ(plan.KnownMaker, known);
    EXPECT_FALSE(plan.Walk);
  }
}

}  // namespace
}  // namespace pixolyn
