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

constexpr uint16_t kTypeByte = 1, kTypeAscii = 2, kTypeShort = 3, kTypeUndefined = 7;
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

// A maker note of a make and the maker entries it gives.
struct NoteCase {
  const char* what;
  const char* make;
  MakerNoteBuilder note;
  std::vector<MakerEntry> expected;
};

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
  EXPECT_EQ(rows[1], (std::pair<std::string, std::string>{"Self Timer", "2"}));
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
  const NoteCase cases[] = {
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

TEST_P(MakerNote, SonyAndPanasonicAreReadWithTheirLayouts) {
  const auto sony = [this](std::string header) {
    MakerNoteBuilder note(BigEndian(), std::move(header));
    note.Long(0x0102, {2})
        .Long(0xB029, {77})
        .Ascii(0xB020, "Standard")
        .Undefined(0x9400, "ciphered");
    return note;
  };
  const std::vector<MakerEntry> sonyRows = {{0x0102, "Quality", "Fine"},
                                            {0xB029, "Color Mode", "77"},
                                            {0xB020, "Creative Style", "\"Standard\""}};
  const std::string panasonicHeader("Panasonic\0\0\0", 12);
  MakerNoteBuilder panasonic(BigEndian(), panasonicHeader);
  panasonic.Short(0x0003, {1})
      .Undefined(0x0002, std::string("\0\1\0\x08", 4))
      .Raw(0x000F, kTypeByte, 2, BigEndian() ? 0x00010000 : 0x0100)
      .Raw(0x000F, kTypeByte, 2, BigEndian() ? 0x20000000 : 0x0020)
      .Undefined(0x0025, std::string("S000407190102\0\0\0", 16))
      .Ascii(0x0051, "LUMIX G VARIO 14-42/F3.5-5.6");
  const std::vector<MakerEntry> panasonicRows = {
      {0x0003, "White Balance", "Auto"},
      {0x0002, "Firmware Version", "0.1.0.8"},
      {0x000F, "AF Area Mode", "0, 1"},  // another area on one model than on the others
      {0x000F, "AF Area Mode", "Tracking"},
      {0x0025, "Internal Serial Number", "\"S000407190102\""},
      {0x0051, "Lens Type", "\"LUMIX G VARIO 14-42/F3.5-5.6\""}};
  const NoteCase cases[] = {
      {"camera header", "SONY", sony(std::string("SONY DSC \0\0\0", 12)), sonyRows},
      {"video camera header", "SONY", sony(std::string("SONY CAM \0\0\0", 12)), sonyRows},
      {"phone header", "SONY", sony(std::string("SONY MOBILE\0", 12)), sonyRows},
      {"Sony directory alone", "SONY", sony(""), sonyRows},
      {"Panasonic", "Panasonic", panasonic, panasonicRows},
      {"Leica built by Panasonic", "LEICA CAMERA AG", panasonic, panasonicRows},
      {"Leica of its own",
       "LEICA CAMERA AG",
       MakerNoteBuilder(BigEndian(), "LEICA\0\0\0").Short(0x0003, {1}),
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectMakerEntriesOfJpegAndTiff(ExifWithMakerNote(BigEndian(), c.make, c.note), c.expected);
  }
}

// A note that an editor moved keeps offsets that count from where it stood;
// they are read where the values stand now.
TEST_P(MakerNote, MovedNoteIsReadWhereItsValuesStandNow) {
  const auto canon = [this](int64_t movedFrom) {
    MakerNoteBuilder note(BigEndian(), "");
    note.Ascii(0x0006, "IMG:PowerShot JPEG").Ascii(0x0009, "Ada").MovedFrom(movedFrom);
    return note;
  };
  const auto olympus = [this](std::string header, int64_t movedFrom) {
    MakerNoteBuilder note(BigEndian(), std::move(header));
    note.Short(0x0201, {2}).Ascii(0x0207, "SR951").Undefined(0x0209, "OLYMPUS!");
    return note.MovedFrom(movedFrom);
  };
  MakerNoteBuilder nikon(BigEndian(), "");
  nikon.Ascii(0x0004, "FINE ").Rational(0x0086, {{100, 100}}).MovedFrom(-24);
  // Only the footer can tell: a value behind the note leaves no shift that keeps every value in it.
  MakerNoteBuilder canonBeyond = canon(56).CanonFooter();
  canonBeyond.ValueAfterNote(0x000C, kTypeAscii, 6);

  const std::vector<MakerEntry> canonRows = {{0x0006, "ImageType", "\"IMG:PowerShot JPEG\""},
                                             {0x0009, "OwnerName", "\"Ada\""}};
  const std::vector<MakerEntry> olympusRows = {{0x0201, "JpegQual", "HQ"},
                                               {0x0207, "Firmware", "\"SR951\""},
                                               {0x0209, "Camera ID", "\"OLYMPUS!\""}};
  const NoteCase cases[] = {
      {"Canon with footer, moved back", "Canon", canon(100).CanonFooter(), canonRows},
      {"Canon with footer, moved on", "Canon", canon(-40).CanonFooter(), canonRows},
      {"Canon without footer", "Canon", canon(100), canonRows},
      {"Canon with footer and a value behind the note",
       "Canon",
       canonBeyond,
       {canonRows[0], canonRows[1], {0x000C, "CameraSerialNumber", "\"SR951\""}}},
      {"Nikon directory alone",
       "NIKON",
       nikon,
       {{0x0004, "Quality", "\"FINE \""}, {0x0086, "DigitalZoom", "100/100"}}},
      {"Olympus behind its header", "OLYMPUS OPTICAL CO.,LTD", olympus(kOlympusHeader, 64),
       olympusRows},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string block =
        ExifWithMakerNote(BigEndian(), c.make, c.note, {}, std::string("SR951\0", 6));
    ExpectMakerEntriesOfJpegAndTiff(block, c.expected);
  }
}

TEST_P(MakerNote, MakesOfNoKnownMakerGiveNoEntries) {
  MakerNoteBuilder note(BigEndian(), "");
  note.Short(0x0000, {1}).Short(0x0E00, {2}).Short(0x0001, {1});
  for (const char* make : {"KONICA MINOLTA", "KODAK", "Leica", "", "C A N O N"}) {
    SCOPED_TRACE(make);
    EXPECT_TRUE(MakerEntriesOfJpeg(ExifWithMakerNote(BigEndian(), make, note)).empty());
  }
}

// The layouts of the makers beyond the eight, each with a value in its entry
// and one out of line, which lands only where the layout's offsets count from.
TEST_P(MakerNote, LaterMakersNotesAreReadWithTheirLayouts) {
  using Offsets = MakerNoteBuilder::Offsets;
  using Fill = void (*)(MakerNoteBuilder&);
  const struct {
    const char* layout;
    const char* make;
    std::string before;  // header bytes before the note's byte-order mark
    bool marked;         // "II" or "MM" follows; else the directory's order is found by its fit
    Offsets offsets;
    Fill fill;
    std::vector<MakerEntry> expected;
  } cases[] = {
      {"Pentax AOC",
       "PENTAX Corporation",
       std::string("AOC\0", 4),
       true,
       Offsets::FromTiffHeader,
       [](MakerNoteBuilder& n) {
         n.Short(0x0008, {1}).Short(0x000E, {6}).Ascii(0x0229, "4711 K10");
       },
       {{0x0008, "Quality", "Better"},
        {0x000E, "AF Point Selected", "6"},
        {0x0229, "Serial Number", "\"4711 K10\""}}},
      {"Pentax AOC, blanks",
       "PENTAX",
       std::string("AOC\0  ", 6),
       false,
       Offsets::FromTiffHeader,
       [](MakerNoteBuilder& n) {
         n.Short(0x0034, {1, 16}).Ascii(0x0230, "1.00.01");
       },
       {{0x0034, "Drive Mode", "Continuous; Mirror Lock-up"},
        {0x0230, "Firmware Version", "\"1.00.01\""}}},
      {"Pentax",
       "RICOH IMAGING COMPANY, LTD.",
       std::string("PENTAX \0", 8),
       true,
       Offsets::FromNote,
       [](MakerNoteBuilder& n) { n.Short(0x0019, {9}).Ascii(0x0229, "8800123"); },
       {{0x0019, "White Balance", "Flash"}, {0x0229, "Serial Number", "\"8800123\""}}},
      {"Pentax-built Ricoh",
       "RICOH",
       std::string("RICOH\0", 6),
       true,
       Offsets::FromNote,
       [](MakerNoteBuilder& n) { n.Short(0x000D, {273}).Ascii(0x0230, "GR 1.10"); },
       {{0x000D, "Focus Mode", "AF-C (Release-priority)"},
        {0x0230, "Firmware Version", "\"GR 1.10\""}}},
      {"Ricoh",
       "RICOH",
       std::string("Ricoh\0\0\0", 8),
       false,
       Offsets::FromTiffHeader,
       [](MakerNoteBuilder& n) { n.Ascii(0x0002, "Rev2219").Long(0x1003, {2}).Short(0x1006, {9}); },
       {{0x0002, "Firmware Version", "\"Rev2219\""},
        {0x1003, "Sharpness", "Soft"},
        {0x1006, "Focus Mode", "Pinpoint AF"}}},
      {"Samsung",
       "SAMSUNG",
       "",
       false,
       Offsets::FromTiffHeader,
       [](MakerNoteBuilder& n) { n.Long(0x0002, {0x12000}).Ascii(0xA002, "R21F8"); },
       {{0x0002, "Device Type", "Cell Phone"}, {0xA002, "Serial Number", "\"R21F8\""}}},
      {"Apple",
       "Apple",
       std::string("Apple iOS\0\0\1", 12),
       true,
       Offsets::FromNote,
       [](MakerNoteBuilder& n) {
         n.Undefined(0x0003, "bplist00")
             .Long(0x000A, {3})
             .Rational(0x000C, {{175, 256}, {69, 128}})
             .Ascii(0x0011, "5D2C-4F1A");
       },
       {{0x0003, "Run Time Since Power Up", ""},
        {0x000A, "HDR Image Type", "HDR Image"},
        {0x000C, "Focus Distance Range", "0,54 - 0,68 m"},
        {0x0011, "Content Identifier", "\"5D2C-4F1A\""}}},
  };
  for (const auto& c : cases) {
    for (const bool noteBigEndian : {false, true}) {
      SCOPED_TRACE(std::string(c.layout) + (noteBigEndian ? ", note MM" : ", note II"));
      const std::string mark = c.marked ? (noteBigEndian ? "MM" : "II") : "";
      MakerNoteBuilder note(noteBigEndian, c.before + mark, c.offsets);
      c.fill(note);
      ExpectMakerEntriesOfJpegAndTiff(ExifWithMakerNote(BigEndian(), c.make, note), c.expected);
    }
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
      {"SONY", true},
      {"Panasonic", false},  // Panasonic and Leica only with Panasonic's header
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
