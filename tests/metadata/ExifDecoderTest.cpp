#include "metadata/ExifDecoder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fixtures/ExifReading.h"
#include "fixtures/JpegBuilder.h"
#include "fixtures/TiffBuilder.h"
#include "makernotes/MakerNoteDecoder.h"
#include "metadata/ImageData.h"
#include "metadata/Regional.h"

namespace pixolyn {
namespace {

using test::ReadJpegWithExif;
using test::StoredNames;
using test::TiffBuilder;
using Names = std::vector<std::string>;

constexpr uint16_t kImageWidth = 0x0100, kImageLength = 0x0101, kImageDescription = 0x010E,
                   kMake = 0x010F, kModel = 0x0110, kStripOffsets = 0x0111, kOrientation = 0x0112,
                   kXResolution = 0x011A, kSoftware = 0x0131, kExposureTime = 0x829A,
                   kFNumber = 0x829D, kExifOffset = 0x8769, kGpsInfo = 0x8825,
                   kExifVersion = 0x9000, kFlash = 0x9209, kUserComment = 0x9286,
                   kExifImageWidth = 0xA002, kInteropOffset = 0xA005, kIsoSpeed = 0x8827,
                   kExposureBias = 0x9204;
constexpr uint16_t kGpsVersion = 0x0000, kGpsLatitudeRef = 0x0001, kInteropIndex = 0x0001;

class ExifDirectory : public ::testing::TestWithParam<bool> {
 protected:
  bool BigEndian() const { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(BothByteOrders, ExifDirectory, ::testing::Values(false, true),
                         [](const auto& order) { return order.param ? "Motorola" : "Intel"; });

TEST_P(ExifDirectory, StoresMakeReadFromAnOffset) {
  TiffBuilder tiff(BigEndian());
  tiff.Ascii(tiff.Directory(), kMake, "Canon");
  const auto image = ReadJpegWithExif(tiff.Build());
  const TImageInfo& info = *image->ExifInfo;
  ASSERT_EQ(info.TagCount, 1);
  const TTagEntry& make = info.TagList[0];
  EXPECT_EQ(make.Name, "Make");
  EXPECT_EQ(make.Label, "Kamerahersteller");
  EXPECT_EQ(make.Group, 0);
  EXPECT_EQ(make.FormatType, 2);
  EXPECT_EQ(make.Text, "Canon");
  EXPECT_EQ(make.RawText, std::string("Canon\0", 6));
  EXPECT_EQ(info.CameraMake, "Canon");
}

TEST_P(ExifDirectory, BuildsTheValueTextByType) {
  const std::string longText(80, 'x');
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  tiff.Ascii(main, kModel, "abc")  // four bytes: stands in the entry itself
      .Entry(main, kSoftware, 2, 6, std::string("ab\0\0\0\0", 6))
      .Entry(main, kMake, 2, 5, "Canon")  // no closing zero
      .Ascii(main, kImageDescription, "a\tb" + longText)
      .Short(main, kOrientation, {6})
      .Rational(main, kXResolution, {{72, 1}})
      .Rational(main, kExposureTime, {{1, 60}})
      .Undefined(main, kExifVersion, "0220")
      .Undefined(main, kUserComment, std::string("ASCII\0\0\0Hello", 13))
      .Short(main, kFlash, {25})
      .SShort(main, kIsoSpeed, {-1})
      .Long(main, kStripOffsets, {4294967295u})
      .SRational(main, kExposureBias, {{-2, 3}});
  const auto image = ReadJpegWithExif(tiff.Build());
  const TImageInfo& info = *image->ExifInfo;
  EXPECT_EQ(info.GetTagText("Model"), "abc");
  EXPECT_EQ(info.GetTagByName("Model").RawText, std::string("abc\0", 4));
  EXPECT_EQ(info.GetTagText("Software"), "ab...");  // inner zero bytes shown as "."
  EXPECT_EQ(info.GetTagText("Make"), "Canon");
  EXPECT_EQ(info.GetTagText("ImageDescription"), "a.b" + longText);  // whole, not cut
  EXPECT_EQ(info.GetTagText("Orientation"), "CounterClockwise 90\xB0");
  EXPECT_EQ(info.GetTagText("XResolution"), "72,00");
  EXPECT_EQ(info.GetTagText("ExposureTime"), "1/60 sec");
  EXPECT_EQ(info.GetTagText("ExifVersion"), "\"0220\"");
  EXPECT_EQ(info.GetTagText("UserComment"), "\"ASCII\"");
  EXPECT_EQ(info.GetTagText("Flash"), "On, auto mode");
  EXPECT_EQ(info.GetTagByName("Flash").FormatType, 3);
  EXPECT_EQ(info.GetTagText("ISOSpeedRatings"), "-1");
  EXPECT_EQ(info.GetTagText("StripOffsets"), "4294967295");
  EXPECT_EQ(info.GetTagText("ExposureBiasValue"), "-2/3");
}

TEST_P(ExifDirectory, StoresSubDirectoryEntriesRightAfterTheirPointer) {
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  const auto exif = tiff.Directory();
  const auto interop = tiff.Directory();
  const auto gps = tiff.Directory();
  tiff.Ascii(main, kMake, "Canon")
      .SubDirectory(main, kExifOffset, exif)
      .SubDirectory(main, kGpsInfo, gps)
      .Ascii(main, kModel, "EOS");
  tiff.Rational(exif, kExposureTime, {{1, 60}})
      .SubDirectory(exif, kInteropOffset, interop)
      .Rational(exif, kFNumber, {{28, 10}});
  tiff.Ascii(interop, kInteropIndex, "R98");
  tiff.Ascii(gps, kGpsLatitudeRef, "N");
  const auto image = ReadJpegWithExif(tiff.Build());
  const TImageInfo& info = *image->ExifInfo;
  EXPECT_EQ(StoredNames(info),
            (Names{"Make", "ExifOffset", "ExposureTime", "InteroperabilityOffset",
                   "InteroperabilityIndex", "FNumber", "GPSInfo", "GPSLatitudeRef", "Model"}));
  // Tag 1 is looked up in the dictionary of the directory's kind.
  EXPECT_EQ(info.GetTagText("InteroperabilityIndex"), "R98");
  EXPECT_EQ(info.GetTagText("GPSLatitudeRef"), "N");
  EXPECT_EQ(info.GetTagText("FNumber"), "F2,8");
}

TEST_P(ExifDirectory, PassesOverAnEntryOfSizeZero) {
  struct Case {
    const char* what;
    uint16_t type;
    uint32_t count;
  } cases[] = {{"type 0", 0, 1}, {"type above 12", 13, 1}, {"no components", 3, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TiffBuilder tiff(BigEndian());
    const auto main = tiff.Directory();
    const auto exif = tiff.Directory();
    tiff.Ascii(main, kMake, "Canon")
        .EntryRaw(main, kOrientation, c.type, c.count, 1)
        .SubDirectory(main, kExifOffset, exif)
        .Ascii(main, kModel, "EOS");
    tiff.EntryRaw(exif, kFNumber, c.type, c.count, 1).Rational(exif, kExposureTime, {{1, 60}});
    const auto image = ReadJpegWithExif(tiff.Build());
    EXPECT_EQ(StoredNames(*image->ExifInfo),
              (Names{"Make", "ExifOffset", "ExposureTime", "Model"}));
  }
}

TEST_P(ExifDirectory, SkipsASubDirectoryOutsideTheBytes) {
  for (const uint32_t pointer : {0x7FFFFFF0u, 0xFFFFFFF0u, 2000u}) {
    SCOPED_TRACE(pointer);
    TiffBuilder tiff(BigEndian());
    const auto main = tiff.Directory();
    tiff.Ascii(main, kMake, "Canon")
        .EntryRaw(main, kExifOffset, 4, 1, pointer)
        .EntryRaw(main, kGpsInfo, 4, 2, pointer)  // the pointer itself lies outside
        .Ascii(main, kModel, "EOS");
    const auto image = ReadJpegWithExif(tiff.Build());
    EXPECT_EQ(StoredNames(*image->ExifInfo), (Names{"Make", "ExifOffset", "GPSInfo", "Model"}));
  }
}

TEST_P(ExifDirectory, KeepsThePixelSizeMetLast) {
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  const auto exif = tiff.Directory();
  tiff.Long(main, kImageWidth, {640}).Short(main, kImageLength, {480});
  tiff.SubDirectory(main, kExifOffset, exif);
  tiff.Short(exif, kExifImageWidth, {3000}).Rational(exif, 0xA003, {{5, 2}});
  const auto image = ReadJpegWithExif(tiff.Build());
  EXPECT_EQ(image->ExifInfo->PixelWidth, 3000);
  EXPECT_EQ(image->ExifInfo->PixelHeight, 2);  // 2.5 goes to the even neighbour
}

TEST_P(ExifDirectory, RoundsPixelSizesHalfToEven) {
  const struct {
    uint32_t numerator, denominator;
    int expected;
  } cases[] = {{5, 2, 2}, {7, 2, 4}, {12, 5, 2}, {13, 5, 3}, {0, 0, 0}};
  for (const auto& c : cases) {
    TiffBuilder tiff(BigEndian());
    tiff.Rational(tiff.Directory(), kImageWidth, {{c.numerator, c.denominator}});
    const auto image = ReadJpegWithExif(tiff.Build());
    EXPECT_EQ(image->ExifInfo->PixelWidth, c.expected) << c.numerator << "/" << c.denominator;
  }
}

TEST_P(ExifDirectory, DoesNotStoreTagsTheDictionaryLacks) {
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  const auto gps = tiff.Directory();
  tiff.Short(main, 0xFFFF, {1}).Short(main, 0x0000, {1}).SubDirectory(main, kGpsInfo, gps);
  tiff.Bytes(gps, kGpsVersion, std::string("\2\2\0\0", 4)).Ascii(gps, kGpsLatitudeRef, "S");
  const auto image = ReadJpegWithExif(tiff.Build());
  EXPECT_EQ(StoredNames(*image->ExifInfo), (Names{"GPSInfo", "GPSLatitudeRef"}));
}

TEST_P(ExifDirectory, DoesNotEnterADirectoryPointingToItself) {
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  tiff.Ascii(main, kMake, "Canon").SubDirectory(main, kExifOffset, main).Ascii(main, kModel, "EOS");
  const auto image = ReadJpegWithExif(tiff.Build());
  EXPECT_EQ(StoredNames(*image->ExifInfo), (Names{"Make", "ExifOffset", "Model"}));
}

TEST_P(ExifDirectory, DoesNotLoopBetweenTwoDirectoriesPointingToEachOther) {
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  const auto first = tiff.Directory();
  const auto second = tiff.Directory();
  tiff.SubDirectory(main, kExifOffset, first).Ascii(main, kModel, "EOS");
  tiff.Ascii(first, kImageDescription, "first").SubDirectory(first, kInteropOffset, second);
  tiff.Ascii(second, kImageDescription, "second").SubDirectory(second, kExifOffset, first);
  const auto image = ReadJpegWithExif(tiff.Build());
  EXPECT_EQ(StoredNames(*image->ExifInfo),
            (Names{"ExifOffset", "ImageDescription", "InteroperabilityOffset", "ImageDescription",
                   "ExifOffset", "Model"}));
}

TEST_P(ExifDirectory, ReadsAtMostEightNestedDirectories) {
  TiffBuilder tiff(BigEndian());
  std::vector<TiffBuilder::Ref> chain;
  for (int level = 0; level < 12; ++level) chain.push_back(tiff.Directory());
  for (int level = 0; level < 12; ++level) {
    tiff.Ascii(chain[level], kImageDescription, "level " + std::to_string(level));
    if (level + 1 < 12) tiff.SubDirectory(chain[level], kExifOffset, chain[level + 1]);
  }
  const auto image = ReadJpegWithExif(tiff.Build());
  const TImageInfo& info = *image->ExifInfo;
  std::vector<std::string> levels;
  for (int i = 0; i < info.TagCount; ++i) {
    if (info.TagList[i].Name == "ImageDescription") levels.push_back(info.TagList[i].Text);
  }
  ASSERT_EQ(levels.size(), 8u);
  EXPECT_EQ(levels.back(), "level 7");
}

TEST_P(ExifDirectory, CutsHugeComponentCountsAtTheEndOfTheBytes) {
  const std::string tail = "0123456789abcdef";
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  const auto bytes = tiff.Chunk(tail);
  // 4 * 2^30 and 8 * (2^29 + 1) would wrap to 0 and 8 in 32 bits.
  tiff.EntryAt(main, kStripOffsets, 4, 0x40000000, bytes)
      .EntryAt(main, kXResolution, 5, 0x20000001, bytes)
      .EntryRaw(main, kImageDescription, 2, 0xFFFFFFFF, 0)  // count -1
      .EntryAt(main, kSoftware, 2, 0x80000000, bytes)       // count -2^31
      .Ascii(main, kModel, "EOS");
  const auto image = ReadJpegWithExif(tiff.Build());
  const TImageInfo& info = *image->ExifInfo;
  EXPECT_EQ(StoredNames(info),
            (Names{"StripOffsets", "XResolution", "ImageDescription", "Software", "Model"}));
  EXPECT_EQ(info.GetTagByName("StripOffsets").RawText, tail);
  EXPECT_EQ(info.GetTagByName("XResolution").RawText, tail);
  EXPECT_EQ(info.GetTagByName("ImageDescription").RawText, "");
  EXPECT_EQ(info.GetTagText("ImageDescription"), "");
  EXPECT_EQ(info.GetTagByName("Software").RawText, "");
}

TEST_P(ExifDirectory, FlashThatIsNoWholeNumberIsShownAsItStandsAndEndsNothing) {
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  const auto exif = tiff.Directory();
  tiff.Ascii(main, kMake, "Canon")
      .SubDirectory(main, kExifOffset, exif)
      .Rational(main, kFlash, {{1, 1}})
      .Ascii(main, kModel, "EOS");
  tiff.Short(exif, kFlash, {1, 0}).Rational(exif, kFNumber, {{28, 10}});
  TImgData image;
  EXPECT_TRUE(image.DecodeBytes(
      "x.jpg", test::JpegBuilder().App1Exif(tiff.Build()).Comment("kept").StartOfScan().Bytes()));
  EXPECT_EQ(StoredNames(*image.ExifInfo),
            (Names{"Make", "ExifOffset", "Flash", "FNumber", "Flash", "Model"}));
  EXPECT_EQ(image.ExifInfo->TagList[2].Text, "1, 0");
  EXPECT_EQ(image.ExifInfo->TagList[4].Text, "1/1");
  EXPECT_EQ(image.GetComment(), "kept");
}

TEST_P(ExifDirectory, KeepsTheMakerNoteAndReadsOnAfterIt) {
  const std::string note("Vendor\0\1\2\3\4\5", 12);
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  const auto exif = tiff.Directory();
  tiff.Ascii(main, kMake, "Canon").SubDirectory(main, kExifOffset, exif).Ascii(main, kModel, "EOS");
  tiff.Rational(exif, kExposureTime, {{1, 60}})
      .MakerNote(exif, note)
      .Rational(exif, kFNumber, {{28, 10}});
  const auto image = ReadJpegWithExif(tiff.Build());
  const TImageInfo& info = *image->ExifInfo;
  EXPECT_EQ(StoredNames(info),
            (Names{"Make", "ExifOffset", "ExposureTime", "MakerNote", "FNumber", "Model"}));
  EXPECT_EQ(info.GetTagByName("MakerNote").Group, 0);
  EXPECT_EQ(info.GetTagByName("MakerNote").RawText, note);
}

TEST_P(ExifDirectory, ReadsATiffFileWithOffsetsFromItsFirstByte) {
  TiffBuilder tiff(BigEndian());
  const auto main = tiff.Directory();
  const auto exif = tiff.Directory();
  tiff.Ascii(main, kMake, "NIKON CORPORATION").SubDirectory(main, kExifOffset, exif);
  tiff.Rational(exif, kFNumber, {{56, 10}});
  const auto image = test::ReadTiffFile(tiff.Build());
  ASSERT_TRUE(image->HasExif());
  const TImageInfo& info = *image->ExifInfo;
  EXPECT_EQ(info.CameraMake, "NIKON CORPORATION");
  EXPECT_EQ(info.GetTagText("FNumber"), "F5,6");
}

TEST_P(ExifDirectory, ReadsTheFirstDirectoryWhereTheHeaderSays) {
  TiffBuilder tiff(BigEndian());
  const auto decoy = tiff.Directory();  // at offset 8
  const auto main = tiff.Directory();
  tiff.Ascii(decoy, kMake, "Decoy");
  tiff.Ascii(main, kMake, "Canon");
  const std::string block = tiff.Build();
  const auto withFirstDirectory = [&](uint32_t offset) {
    return block.substr(0, 4) + tiff.U32(offset) + block.substr(8);
  };
  const struct {
    uint32_t offset;
    const char* make;
  } cases[] = {
      {static_cast<uint32_t>(tiff.OffsetOf(main)), "Canon"},
      {static_cast<uint32_t>(block.size()), "Decoy"},  // outside the block: at 8 as before
      {0xFFFFFFF0u, "Decoy"},
      {2, "Decoy"},  // inside the header
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.offset);
    EXPECT_EQ(ReadJpegWithExif(withFirstDirectory(c.offset))->ExifInfo->CameraMake, c.make);
    EXPECT_EQ(test::ReadTiffFile(withFirstDirectory(c.offset))->ExifInfo->CameraMake, c.make);
  }
}

TEST(ExifDirectorySize, RefusesDirectoriesLargerThanTheSegmentAllows) {
  // 100 entries need 12 * 100 bytes; a segment of length L allows 12 * n <= L + 1.
  const struct {
    int segmentLength;
    bool read;
  } cases[] = {{1000, false}, {1198, false}, {1199, true}, {1300, true}};
  TiffBuilder tiff(false);
  const auto main = tiff.Directory();
  tiff.Ascii(main, kMake, "Canon").DeclareCount(main, 100);
  tiff.Chunk(std::string(1200, '\0'));
  const std::string segment = std::string("\0\0Exif\0\0", 8) + tiff.Build();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.segmentLength);
    TImgData image;
    TImageInfo info(&image);
    info.ReadDirectory(segment, false, 16, 8, c.segmentLength + 3);
    EXPECT_EQ(info.TagCount, c.read ? 1 : 0);
    EXPECT_EQ(image.ErrorText, c.read ? "" : "Illegally sized directory");
  }
}

TEST(ExifDirectorySize, EndsAtACountOrEntryOutsideTheBytes) {
  TiffBuilder tiff(true);
  const auto main = tiff.Directory();
  tiff.Short(main, kOrientation, {1}).Short(main, kOrientation, {3}).DeclareCount(main, 3);
  const std::string block = tiff.Build();
  TImgData image;
  TImageInfo info(&image);
  // The third entry would start inside the next-directory offset and run past the end.
  const std::string bytes = block.substr(0, 8 + 2 + 24 + 4);
  for (const int64_t start : {int64_t{0}, int64_t{8}, int64_t{-1}, int64_t(block.size())}) {
    EXPECT_NO_THROW(info.ReadDirectory(bytes, true, start, 0, 4091));
  }
  EXPECT_EQ(info.TagCount, 2);
}

// A vendor table as the maker-note decoder passes it.
std::string Bracketed(const TTypedValue& value, const RegionalSettings&) {
  return "<" + std::string(value.Text) + ">";
}
std::string Refuses(const TTypedValue& value, const RegionalSettings&) {
  throw std::invalid_argument("no " + std::string(value.Text));
}

constexpr TValueName kModeNames[] = {{1, "On"}, {2, "Off"}};
constexpr TValueName kLaterModeNames[] = {{1, "Later"}};

const TTagEntry kVendorTable[] = {
    {.Tag = 0x0001, .Name = "Mode", .Label = "Modus", .ValueMap = kModeNames},
    {.Tag = 0x0002, .Name = "Hidden", .Label = "Skip"},
    {.Tag = 0x0003, .Name = "Owner", .Label = "Besitzer"},
    {.Tag = 0x0004, .Name = "Raw", .Label = "Rohdaten"},
    {.Tag = 0x0005, .Name = "Wrapped", .Label = "Verpackt", .Formatter = Bracketed},
    {.Tag = 0x0006, .Name = "Broken", .Label = "Kaputt", .Formatter = Refuses},
    {.Tag = 0x0007, .Name = "Pattern", .Label = "Muster", .FormatPattern = "%s units"},
    {.Tag = 0x0001, .Name = "Mode", .Label = "Zweiter Modus", .ValueMap = kLaterModeNames},
};

class MakerNoteDirectory : public ::testing::TestWithParam<bool> {
 protected:
  // Reads the note as the walk over the EXIF bytes hands it on.
  void Read(const std::string& note, int64_t dirStart = 0, int64_t origin = 0,
            int64_t fallbackOrigin = 8) {
    struct TNoEntries final : TEntrySink {
      bool Take(const TTiffEntry&, const TTiffWalk&) override { return true; }
    } none;
    TWalkLimits limits;
    const ByteView exif(exifBytes_);
    const TTiffWalk walk{.Bytes = exif, .BigEndian = GetParam(), .Limits = limits, .Sink = none};
    info_.ReadMakerNoteDirectory(walk, note,
                                 {.Table = kVendorTable,
                                  .DirStart = dirStart,
                                  .Origin = origin,
                                  .FallbackOrigin = fallbackOrigin,
                                  .BigEndian = GetParam()});
  }

  std::string exifBytes_ = std::string(64, '.') + std::string("FromExif\0", 9);
  TImgData image_;
  TImageInfo info_{&image_};
};

INSTANTIATE_TEST_SUITE_P(BothByteOrders, MakerNoteDirectory, ::testing::Values(false, true),
                         [](const auto& order) { return order.param ? "Motorola" : "Intel"; });

TEST_P(MakerNoteDirectory, StoresTheTableEntriesItFindsWithGroupOne) {
  TiffBuilder note(GetParam(), std::string("HEADER\0\0", 8), 0);
  const auto dir = note.Directory();
  note.Short(dir, 0x0001, {1})
      .Short(dir, 0x0002, {5})
      .Short(dir, 0x0099, {5})
      .EntryRaw(dir, 0x0007, 3, 0, 0)  // size 0 does not end a vendor directory
      .Short(dir, 0x0007, {9})
      .Short(dir, 0x0005, {3});
  Read(note.Build(), 8);
  EXPECT_EQ(StoredNames(info_), (Names{"Mode", "Pattern", "Pattern", "Wrapped"}));
  for (int i = 0; i < info_.TagCount; ++i) EXPECT_EQ(info_.TagList[i].Group, 1);
  // The entry copies the first row of its tag, the value map comes from the last one.
  EXPECT_EQ(info_.TagList[0].Label, "Modus");
  EXPECT_EQ(info_.TagList[0].Text, "Later");
  EXPECT_EQ(info_.TagList[0].FormatType, 3);
  EXPECT_EQ(info_.TagList[2].Text, "9 units");
  EXPECT_EQ(info_.TagList[3].Text, "<3>");
}

TEST_P(MakerNoteDirectory, QuotesTextAndUndefinedValues) {
  TiffBuilder note(GetParam(), "", 0);
  const auto dir = note.Directory();
  note.Entry(dir, 0x0003, 2, 10, std::string("Jane\0Doe\0\0", 10))
      .Undefined(dir, 0x0004, std::string("ab\0c\x01", 5));
  Read(note.Build());
  EXPECT_EQ(info_.GetTagText("Owner"), "\"Jane\"");
  EXPECT_EQ(info_.GetTagText("Raw"), "\"ab.c.\"");
  EXPECT_EQ(info_.GetTagByName("Raw").RawText, std::string("ab\0c\x01", 5));
}

TEST_P(MakerNoteDirectory, ReadsAValuePastTheMakerNoteFromTheExifBytes) {
  TiffBuilder note(GetParam(), "", 0);
  const auto dir = note.Directory();
  const auto text = note.Chunk(std::string("InNote\0", 7));  // the last bytes of the note
  note.EntryAt(dir, 0x0003, 2, 7, text).EntryAt(dir, 0x0004, 7, 7, text, 1);
  const std::string built = note.Build();
  // The second value runs one byte past the note, so it is read at 8 + offset of the EXIF bytes.
  exifBytes_ = std::string(static_cast<std::size_t>(8 + note.OffsetOf(text) + 1), '.') +
               std::string("FromExif", 8);
  Read(built);
  EXPECT_EQ(info_.GetTagText("Owner"), "\"InNote\"");
  EXPECT_EQ(info_.GetTagByName("Raw").RawText, "FromExi");
}

TEST_P(MakerNoteDirectory, CountsValueOffsetsFromTheOrigin) {
  TiffBuilder note(GetParam(), "", -20);  // offsets stored as if the note stood 20 bytes later
  const auto dir = note.Directory();
  note.Undefined(dir, 0x0004, "long enough");
  Read(note.Build(), 0, 20);
  EXPECT_EQ(info_.GetTagByName("Raw").RawText, "long enough");
}

TEST_P(MakerNoteDirectory, RecordsAnErrorAndKeepsWhatWasRead) {
  TiffBuilder note(GetParam(), "", 0);
  const auto dir = note.Directory();
  note.Short(dir, 0x0001, {2}).Short(dir, 0x0005, {7}).DeclareCount(dir, 5);
  Read(note.Build());  // the third entry runs off the end of the note
  EXPECT_EQ(StoredNames(info_), (Names{"Mode", "Wrapped"}));
  EXPECT_EQ(image_.ErrorText.rfind("Error Detected = ", 0), 0u) << image_.ErrorText;

  image_.ErrorText.clear();
  Read(note.Build(), 4000);
  EXPECT_EQ(image_.ErrorText.rfind("Error Detected = ", 0), 0u);
}

TEST_P(MakerNoteDirectory, EndsAtAFailingFormatter) {
  TiffBuilder note(GetParam(), "", 0);
  const auto dir = note.Directory();
  note.Short(dir, 0x0001, {1}).Short(dir, 0x0006, {1}).Short(dir, 0x0005, {1});
  Read(note.Build());
  EXPECT_EQ(StoredNames(info_), (Names{"Mode"}));
  EXPECT_EQ(image_.ErrorText, "Error Detected = no 1");
}

}  // namespace
}  // namespace pixolyn
