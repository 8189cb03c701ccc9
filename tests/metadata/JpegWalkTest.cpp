#include <gtest/gtest.h>

#include <string>

#include "fixtures/JpegBuilder.h"
#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"

namespace pixolyn {
namespace {

using test::JpegBuilder;

const std::string kMinimalTiff("II*\0\x08\0\0\0\0\0", 10);  // little-endian, empty first directory

std::string Dqt() {
  return std::string(65, '\x01');
}

struct Walk {
  TImgData image;
  bool read = false;
};

void ReadBytes(Walk& walk, const std::string& bytes, const std::string& name = "a.jpg") {
  walk.image.DecodeBytes(name, bytes);
  walk.read = walk.image.HasMetadata();
}

TEST(JpegWalk, KeepsSegmentsUpToStartOfScan) {
  Walk walk;
  ReadBytes(walk, JpegBuilder()
                      .App0()
                      .App1Exif(kMinimalTiff)
                      .Segment(0xDB, Dqt())
                      .Segment(0xC0, std::string(15, '\0'))
                      .Segment(0xC4, std::string(20, '\0'))
                      .StartOfScan()
                      .EndOfImage()
                      .Bytes());
  EXPECT_TRUE(walk.read);
  EXPECT_EQ(walk.image.SectionCount, 6);
  EXPECT_EQ(walk.image.SlotOf(walk.image.ExifSection), 2);
  EXPECT_EQ(walk.image.Sections[5].MarkerCode, 0xDA);
  EXPECT_EQ(walk.image.ErrorText, "<none>");
  ASSERT_NE(walk.image.ExifInfo, nullptr);
}

TEST(JpegWalk, RecognisesExtensionsIgnoringCase) {
  const std::string bytes = JpegBuilder().Comment("hi").EndOfImage().Bytes();
  for (const char* name : {"a.JPG", "b.Jpeg", "c.jpe", "d.jpg"}) {
    Walk walk;
    ReadBytes(walk, bytes, name);
    EXPECT_TRUE(walk.read) << name;
  }
  for (const char* name : {"e.jfif", "f.png", "noextension", "dir.jpg.txt"}) {
    Walk walk;
    ReadBytes(walk, bytes, name);
    EXPECT_FALSE(walk.read) << name;
    EXPECT_EQ(walk.image.ErrorText, "Not an EXIF file") << name;
  }
}

TEST(JpegWalk, MissingFileLeavesErrorTextEmpty) {
  TImgData image;
  EXPECT_FALSE(image.DecodeFile("/nonexistent/folder/x.jpg"));
  EXPECT_EQ(image.ErrorText, "");
  EXPECT_EQ(image.SectionCount, 0);
}

TEST(JpegWalk, RefusesFileWithoutStartOfImage) {
  Walk walk;
  ReadBytes(walk, std::string("\xFF\xD9\xFF\xFE\x00\x04hi", 8));
  EXPECT_FALSE(walk.read);
  EXPECT_EQ(walk.image.ErrorText, "Not an EXIF file");
}

TEST(JpegWalk, TakesTheFirstExifApp1WhereverItStands) {
  const std::string xmp = "http://ns.adobe.com/xap/1.0/";
  const std::string canon = std::string("II*\0\x08\0\0\0\x01\0\x0F\x01\x02\0\x04\0\0\0Can\0", 22);
  const std::string nikon = std::string("MM\0*\0\0\0\x08\0\x01\x01\x0F\0\x02\0\0\0\x04Nik\0", 22);
  struct Case {
    const char* what;
    JpegBuilder jpeg;
    int exifSlot;
    int sections;
  } cases[] = {
      {"XMP behind the EXIF block", JpegBuilder().App1Exif(canon).Segment(0xE1, xmp), 1, 2},
      {"ICC before the EXIF block", JpegBuilder().App0().Segment(0xE2, "icc").App1Exif(canon), 3,
       4},
      {"XMP before the EXIF block", JpegBuilder().Segment(0xE1, xmp).App1Exif(canon), 1, 2},
      {"a second EXIF block", JpegBuilder().App1Exif(canon).App1Exif(nikon), 1, 2},
      {"behind five other segments",
       JpegBuilder().App0().App0().App0().App0().Segment(0xE2, "icc").App1Exif(canon), 6, 7},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    Walk walk;
    ReadBytes(walk, c.jpeg.StartOfScan().Bytes());
    EXPECT_TRUE(walk.read);
    EXPECT_EQ(walk.image.SlotOf(walk.image.ExifSection), c.exifSlot);
    EXPECT_EQ(walk.image.SectionCount, c.sections);  // passed-over APP1 segments do not count
    ASSERT_NE(walk.image.ExifInfo, nullptr);
    EXPECT_EQ(walk.image.ExifInfo->CameraMake, "Can");
    EXPECT_EQ(walk.image.ErrorText, "<none>");
  }
}

TEST(JpegWalk, BadByteOrderLeavesTheDecoderEmpty) {
  // A missing SOS lets the walk run into the end of the file, which ends it like EOI.
  TImgData image;
  image.DecodeBytes(
      "x.jpg", JpegBuilder().Segment(0xE1, std::string("Exif\0\0XX*\0\x08\0\0\0", 14)).Bytes());
  ASSERT_TRUE(image.HasExif());
  EXPECT_EQ(image.ExifInfo->TagCount, 0);
  // The decoding succeeded, so "<none>" replaced "Invalid Exif alignment marker".
  EXPECT_EQ(image.ErrorText, "<none>");
}

TEST(JpegWalk, App1WithoutExifHeaderIsPassedOver) {
  Walk walk;
  ReadBytes(walk, JpegBuilder().Segment(0xE1, "Exig\0\0II*\0").Comment("c").Bytes());
  EXPECT_TRUE(walk.read);
  EXPECT_FALSE(walk.image.HasExif());
  EXPECT_EQ(walk.image.SectionCount, 1);
}

TEST(JpegWalk, FirstApp13AndLastCommentWin) {
  Walk walk;
  ReadBytes(walk, JpegBuilder()
                      .App13("first")
                      .App13("second")
                      .Comment("one")
                      .Comment("two")
                      .StartOfScan()
                      .Bytes());
  EXPECT_EQ(walk.image.SlotOf(walk.image.IptcSection), 1);
  EXPECT_EQ(walk.image.SlotOf(walk.image.CommentSection), 4);
  EXPECT_EQ(walk.image.GetComment(), "two");
}

TEST(JpegWalk, FindsACommentBehindFourOtherSegments) {
  Walk walk;
  ReadBytes(walk, JpegBuilder()
                      .App0()
                      .Segment(0xDB, Dqt())
                      .Segment(0xC0, std::string(15, '\0'))
                      .Segment(0xC4, std::string(20, '\0'))
                      .Comment("not too late")
                      .StartOfScan()
                      .Bytes());
  EXPECT_TRUE(walk.read);
  EXPECT_EQ(walk.image.SectionCount, 6);
  EXPECT_EQ(walk.image.GetComment(), "not too late");
}

TEST(JpegWalk, SkipsFillBytesAndTakesBareMarkers) {
  Walk walk;
  JpegBuilder jpeg;
  jpeg.Filler(7).Comment("filled");
  jpeg.Raw(
      std::string("\xFE\x00\x05"
                  "abc",
                  6));  // a marker code with no 0xFF before it
  jpeg.Filler(1).StartOfScan();
  ReadBytes(walk, jpeg.Bytes());
  EXPECT_TRUE(walk.read);
  EXPECT_EQ(walk.image.SectionCount, 3);
  EXPECT_EQ(walk.image.GetComment(), "abc");
}

TEST(JpegWalk, EmptyCommentSegmentStillCounts) {
  Walk walk;
  ReadBytes(walk, JpegBuilder().Comment("").StartOfScan().Bytes());
  EXPECT_TRUE(walk.image.HasComment());
  EXPECT_EQ(walk.image.GetComment(), "");
}

TEST(JpegWalk, SegmentCutShortKeepsTheBytesThatWereThere) {
  Walk walk;
  ReadBytes(walk, JpegBuilder().SegmentWithLength(0xFE, 100, "only this").Bytes());
  EXPECT_TRUE(walk.read);
  ASSERT_TRUE(walk.image.HasComment());
  EXPECT_EQ(walk.image.CommentSection->SegmentLength, 100);
  EXPECT_EQ(walk.image.CommentSection->SegmentData.size(), 2u + 9u);
  EXPECT_EQ(walk.image.GetComment(), "only this");
}

TEST(JpegWalk, EndsAtFileEndAndAtShortLengths) {
  const std::string full = JpegBuilder().Comment("abc").App0().Bytes();
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    Walk walk;
    ReadBytes(walk, full.substr(0, cut));  // must neither crash nor read past the end
    EXPECT_LE(walk.image.SectionCount, 2) << cut;
  }
  Walk walk;
  ReadBytes(walk, JpegBuilder().Comment("x").SegmentWithLength(0xE0, 1, "").Comment("y").Bytes());
  EXPECT_EQ(walk.image.SectionCount, 1);
  EXPECT_EQ(walk.image.GetComment(), "x");
}

TEST(JpegWalk, KeepsAtMostTwentySegmentsNotCountingDiscardedApp1) {
  JpegBuilder jpeg;
  jpeg.Comment("c");
  for (int i = 0; i < 5; ++i) jpeg.Segment(0xE0, "a");
  for (int i = 0; i < 3; ++i) jpeg.Segment(0xE1, "discarded");
  for (int i = 0; i < 30; ++i) jpeg.Segment(0xE0, "b");
  Walk walk;
  ReadBytes(walk, jpeg.Bytes());
  EXPECT_TRUE(walk.read);
  EXPECT_EQ(walk.image.SectionCount, 20);
  for (int slot = 2; slot <= 20; ++slot) {
    EXPECT_EQ(walk.image.Sections[static_cast<std::size_t>(slot - 1)].MarkerCode, 0xE0);
  }
}

TEST(JpegWalk, ResetForgetsEverything) {
  Walk walk;
  ReadBytes(walk,
            JpegBuilder().App1Exif(kMinimalTiff).App13("x").Comment("c").StartOfScan().Bytes());
  ASSERT_TRUE(walk.image.HasExif() && walk.image.HasIptc() && walk.image.HasComment());
  walk.image.ResetImage();
  EXPECT_FALSE(walk.image.HasMetadata());
  EXPECT_EQ(walk.image.SectionCount, 0);
  EXPECT_EQ(walk.image.ExifInfo, nullptr);
  EXPECT_EQ(walk.image.IptcInfo, nullptr);
  EXPECT_EQ(walk.image.ErrorText, "");
}

TEST(TiffHead, ReadsEitherByteOrderAndRefusesOthers) {
  struct Case {
    std::string head;
    bool read;
  } cases[] = {
      {std::string("MM\0*\0\0\0\x08\0\0", 10), true},
      {std::string("II*\0\x08\0\0\0\0\0", 10), true},
      {std::string("BM\x36\0\0\0\0\0\0\0", 10), false},
  };
  for (const Case& c : cases) {
    for (const char* name : {"p.tif", "p.TIFF"}) {
      TImgData image;
      image.DecodeBytes(name, c.head);
      const bool read = image.HasMetadata();
      EXPECT_EQ(read, c.read) << c.head.substr(0, 2) << name;
      if (!c.read) {
        EXPECT_EQ(image.ErrorText, "Not an EXIF file");
        continue;
      }
      ASSERT_NE(image.ExifInfo, nullptr);
      EXPECT_EQ(image.SectionCount, 1);
      EXPECT_EQ(image.SlotOf(image.ExifSection), 1);
      // A short file keeps only the bytes after the eight-byte head.
      EXPECT_EQ(image.ExifSection->SegmentData, c.head.substr(8));
    }
  }
}

TEST(TiffHead, ReadsOnlyTheFirstBlock) {
  std::string tiff("II*\0\x08\0\0\0", 8);
  tiff += std::string(10000, '\x55');
  TImgData image;
  ASSERT_TRUE(image.DecodeBytes("big.tif", tiff));
  EXPECT_EQ(image.ExifSection->SegmentData.size(), 4098u);
}

}  // namespace
}  // namespace pixolyn
