#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fixtures/JpegBuilder.h"
#include "fixtures/TiffBuilder.h"
#include "metadata/ImageData.h"
#include "xmp/XmpSection.h"

namespace pixolyn {
namespace {

using test::JpegBuilder;

const std::string kMinimalTiff("II*\0\x08\0\0\0\0\0", 10);
const std::string kGuid = "0123456789ABCDEF0123456789ABCDEF";

TEST(XmpWalk, TakesTheFirstPacketBeforeTheScan) {
  struct Case {
    const char* rule;
    std::string file;
    std::string packet;
    bool exif;
  } cases[] = {
      {"before the EXIF block, which still counts",
       JpegBuilder().App1Xmp("<a/>").App1Exif(kMinimalTiff).Bytes(), "<a/>", true},
      {"behind the EXIF block", JpegBuilder().App0().App1Exif(kMinimalTiff).App1Xmp("<b/>").Bytes(),
       "<b/>", true},
      {"the first of two", JpegBuilder().App1Xmp("<c/>").App1Xmp("<d/>").Bytes(), "<c/>", false},
      {"none after the scan", JpegBuilder().App0().StartOfScan().App1Xmp("<e/>").Bytes(), "",
       false},
      {"a signature without its zero byte is none",
       JpegBuilder().Segment(0xE1, "http://ns.adobe.com/xap/1.0/<f/>").Bytes(), "", false},
  };
  for (const Case& c : cases) {
    TImgData image;
    image.DecodeBytes("a.jpg", c.file);
    EXPECT_EQ(image.XmpPacket(), c.packet) << c.rule;
    EXPECT_EQ(image.HasExif(), c.exif) << c.rule;
  }
}

// Chunks out of order, beyond the kept slots, between those of another
// GUID: the golden picture xmp-extended.jpg.
TEST(XmpWalk, LeavesOutAnExtensionThatDoesNotAddUp) {
  struct Chunk {
    uint32_t full, offset;
    std::string bytes;
  };
  struct Case {
    const char* rule;
    std::vector<Chunk> chunks;
  } cases[] = {
      {"a gap", {{9, 0, "abc"}, {9, 6, "ghi"}}},
      {"overlapping chunks", {{6, 0, "abcd"}, {6, 3, "def"}}},
      {"full lengths that disagree", {{6, 0, "abc"}, {7, 3, "def"}}},
      {"more than the cap", {{TImgData::kMaxXmpExtension + 1, 0, "abc"}}},
  };
  for (const Case& c : cases) {
    JpegBuilder jpeg;
    for (const Chunk& chunk : c.chunks)
      jpeg.App1XmpChunk(kGuid, chunk.full, chunk.offset, chunk.bytes);
    TImgData image;
    image.DecodeBytes("a.jpg", jpeg.Bytes());
    ASSERT_EQ(image.XmpChunks.size(), c.chunks.size()) << c.rule;
    EXPECT_EQ(JoinExtendedXmp(image.XmpChunks, kGuid), std::nullopt) << c.rule;
  }
  EXPECT_EQ(JoinExtendedXmp({}, kGuid), std::nullopt);
}

TEST(XmpWalk, ReadsTheTiffPacketInTheHeadAndBeyondIt) {
  const std::string packet = "<x:xmpmeta>" + std::string(40, 'p') + "</x:xmpmeta>";
  for (const std::size_t padding : {std::size_t{0}, std::size_t{5000}}) {
    for (const bool bigEndian : {false, true}) {
      test::TiffBuilder tiff(bigEndian);
      const auto dir = tiff.Directory();
      tiff.Short(dir, 0x0100, {1});
      tiff.Chunk(std::string(padding, '\0'));
      const auto at = tiff.Chunk(packet);
      tiff.EntryAt(dir, 0x02BC, 7, static_cast<uint32_t>(packet.size()), at);
      TImgData image;
      image.DecodeBytes("a.tif", tiff.Build());
      EXPECT_EQ(image.XmpPacket(), packet) << padding << bigEndian;
    }
  }
}

}  // namespace
}  // namespace pixolyn
