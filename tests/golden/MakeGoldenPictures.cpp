// Writes the small pictures of the golden dumps into FOLDER, built byte by
// byte with the fixture builders: both byte orders, every maker layout, a
// maker note in a TIFF file, IPTC, comments, XMP and broken segments.
// scripts/make-golden.sh runs it and records pixolyn-info's table of each.
//
//   golden_pictures FOLDER

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "fixtures/IptcBuilder.h"
#include "fixtures/JpegBuilder.h"
#include "fixtures/MakerNoteBuilder.h"
#include "fixtures/SampleBlocks.h"
#include "fixtures/TiffBuilder.h"
#include "fixtures/XmpPacketBuilder.h"

namespace fs = std::filesystem;
using namespace pixolyn::test;

namespace {

class TPictureWriter {
 public:
  explicit TPictureWriter(fs::path folder) : folder_(std::move(folder)) {
    fs::create_directories(folder_);
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
    ++count_;
  }
  int Count() const { return count_; }

 private:
  fs::path folder_;
  int count_ = 0;
};

std::string Rich(bool bigEndian) {
  return JpegBuilder()
      .App0()
      .App1Exif(RichTiffBlock(bigEndian))
      .App13(IptcPayload(EveryIptcDataset()))
      .Filler(3)
      .Comment("first line\r\nsecond line \xE4\xF6\xFC\x80")
      .StartOfScan()
      .Bytes();
}

// Main directory whose Exif pointer leads back to itself, beside a sound GPS directory.
std::string LoopingDirectories(bool bigEndian) {
  TiffBuilder tiff(bigEndian);
  const auto main = tiff.Directory();
  const auto gps = tiff.Directory();
  tiff.Ascii(main, 0x010F, "Canon")
      .SubDirectory(main, 0x8769, main)
      .SubDirectory(main, 0x8825, gps);
  tiff.Ascii(gps, 0x0001, "S");
  return tiff.Build();
}

// A directory whose entry count promises far more than the segment holds.
std::string OversizedDirectory(bool bigEndian) {
  TiffBuilder tiff(bigEndian);
  const auto main = tiff.Directory();
  tiff.Ascii(main, 0x010F, "NIKON").DeclareCount(main, 5000);
  return tiff.Build();
}

void XmpPictures(TPictureWriter& out, const std::string& exif) {
  const std::string lightroom = XmpPacket(
      "xap:Rating='-1' xap:CreateDate='2024-05-01T14:03:22+02:00' xap:ModifyDate='2024-05' "
      "crs:Exposure2012='+0.35' photoshop:City='Westerland'",
      "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>Abend</rdf:li>"
      "<rdf:li xml:lang='en-US'>Evening</rdf:li><rdf:li xml:lang='de-DE'>Abend am Strand</rdf:li>"
      "</rdf:Alt></dc:title>"
      "<dc:subject><rdf:Bag><rdf:li>Strand, Nord</rdf:li><rdf:li>D\xC3\xBCnen</rdf:li></rdf:Bag>"
      "</dc:subject>"
      "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>erste Zeile\nzweite Zeile</rdf:li>"
      "</rdf:Alt></dc:description>");
  out.Write("xmp-lightroom.jpg",
            JpegBuilder().App0().App1Exif(exif).App1Xmp(lightroom).StartOfScan().Bytes());
  // The extension's chunks out of order, beyond the 20 kept slots, its GUID
  // named in other letters, and a chunk of another packet between them.
  const std::string extension = XmpPacket("photoshop:Headline='aus der Erweiterung'", "");
  const std::size_t half = extension.size() / 2;
  const auto full = static_cast<uint32_t>(extension.size());
  const std::string guid = "0123456789ABCDEF0123456789ABCDEF";
  JpegBuilder extended;
  extended.App1Xmp(XmpPacket("xmpNote:HasExtendedXMP='0123456789abcdef0123456789abcdef'",
                             "<xap:Label>Rot</xap:Label>"));
  for (int i = 0; i < 18; ++i) extended.Segment(0xDB, "q");
  out.Write("xmp-extended.jpg",
            extended.App1XmpChunk(guid, full, static_cast<uint32_t>(half), extension.substr(half))
                .App1XmpChunk("FEDCBA9876543210FEDCBA9876543210", 4, 0, "lost")
                .App1XmpChunk(guid, full, 0, extension.substr(0, half))
                .StartOfScan()
                .Bytes());
  out.Write(
      "xmp-broken.jpg",
      JpegBuilder().App1Xmp(XmpPacket("xap:Label='Blau'", "<dc:title>")).EndOfImage().Bytes());
  TiffBuilder tiff(true);
  const auto main = tiff.Directory();
  tiff.Ascii(main, 0x010F, "Canon").Undefined(main, 0x02BC, XmpPacket("xap:Rating='5'", ""));
  out.Write("xmp-mm.tif", tiff.Build());
}

void Pictures(TPictureWriter& out) {
  for (const bool bigEndian : {false, true}) {
    const std::string order = bigEndian ? "mm" : "ii";
    out.Write("rich-" + order + ".jpg", Rich(bigEndian));
    out.Write("rich-" + order + ".tif", RichTiffBlock(bigEndian));
    const std::vector<TMakerCase> makers = MakerCases();
    for (std::size_t i = 0; i < makers.size(); ++i) {
      const std::string block =
          ExifWithMakerNote(bigEndian, makers[i].Make, MakerNoteWithEveryRow(makers[i], bigEndian));
      out.Write("maker" + std::to_string(i) + "-" + order + ".jpg",
                JpegBuilder().App1Exif(block).EndOfImage().Bytes());
      // Olympus: values behind the note are read behind the TIFF header.
      if (i == 2) out.Write("maker2-" + order + ".tif", block);
    }
    out.Write("loop-" + order + ".jpg",
              JpegBuilder().App1Exif(LoopingDirectories(bigEndian)).EndOfImage().Bytes());
    out.Write("oversized-" + order + ".jpg",
              JpegBuilder().App1Exif(OversizedDirectory(bigEndian)).EndOfImage().Bytes());
  }
  const std::string rich = RichTiffBlock(false);
  out.Write("segments.jpg", JpegBuilder()
                                .App1Exif(rich)
                                .Segment(0xE1, "http://ns.adobe.com/xap/1.0/")
                                .Segment(0xE2, "ICC_PROFILE")
                                .App1Exif(RichTiffBlock(true))
                                .Comment("")
                                .Comment("last comment")
                                .EndOfImage()
                                .Bytes());
  out.Write("late-app1.jpg", JpegBuilder().App0().Comment("c").App1Exif(rich).EndOfImage().Bytes());
  out.Write("iptc-only.jpeg", JpegWithIptc(IptcDataset(2, 120, "caption") +
                                           IptcDataset(2, 25, "one") + IptcDataset(2, 25, "two")));
  // Dataset 1:90 declares UTF-8: every character shows, a byte of none shows "?".
  out.Write("iptc-utf8.jpg", JpegWithIptc(IptcDataset(1, 90, "\x1B%G") +
                                          IptcDataset(2, 90,
                                                      "\xC5\x81\xC3\xB3"
                                                      "d\xC5\xBA") +
                                          IptcDataset(2, 25,
                                                      "Stra\xC3\x9F"
                                                      "e") +
                                          IptcDataset(2, 25, "\xE6\x97\xA5\xE6\x9C\xAC") +
                                          IptcDataset(2, 80,
                                                      "a\xFF"
                                                      "b") +
                                          IptcDataset(2, 120, "1 2\r\nZeile = \xE2\x82\xAC 5")));
  out.Write(
      "iptc-no-signature.jpg",
      JpegBuilder()
          .App13(
              App13Builder().Raw(std::string(10, '\0')).IptcResource(EveryIptcDataset()).Payload())
          .EndOfImage()
          .Bytes());
  out.Write("comment-only.jpg", JpegBuilder().Comment("Gr\xFC\xDF\x65 \x80").EndOfImage().Bytes());
  out.Write("no-metadata.jpg", JpegBuilder()
                                   .App0()
                                   .Segment(0xDB, "q")
                                   .Segment(0xC0, "f")
                                   .Segment(0xC4, "h")
                                   .Segment(0xDD, "r")
                                   .Comment("too late")
                                   .EndOfImage()
                                   .Bytes());
  out.Write("no-soi.jpg", JpegBuilder().App1Exif(rich).Bytes().substr(2));
  out.Write("truncated.jpg", JpegBuilder().App1Exif(rich).Truncated(200));
  out.Write("short-length.jpg",
            JpegBuilder().Comment("kept").SegmentWithLength(0xE2, 1, "x").Comment("lost").Bytes());
  out.Write("bad-exif-header.jpg", JpegBuilder()
                                       .Segment(0xE1, std::string("Exof\0\0", 6) + rich)
                                       .Comment("c")
                                       .EndOfImage()
                                       .Bytes());
  std::string badOrder = rich;
  badOrder.replace(0, 2, "XX");
  out.Write("bad-byte-order.jpg", JpegBuilder().App1Exif(badOrder).EndOfImage().Bytes());
  out.Write("not-tiff.tif", "PK\3\4 not a TIFF file");
  XmpPictures(out, rich);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  TPictureWriter out(argv[1]);
  Pictures(out);
  std::printf("%d pictures written to %s\n", out.Count(), argv[1]);
  return 0;
}
