// Writes the raw seed inputs of every fuzz target into FOLDER/<target>/:
// heads of the sample pictures, and files, blocks, segments and texts built
// by the test fixture builders. make-corpus.sh merges them into
// fuzz/corpus/.
//
//   fuzz_make_seeds FOLDER

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/IptcBuilder.h"
#include "fixtures/JpegBuilder.h"
#include "fixtures/SampleBlocks.h"
#include "fuzz/drivers/FuzzInput.h"
#include "fuzz/drivers/InputLayout.h"
#include "iptc/IptcTagTable.h"
#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"
#include "tiff/ByteView.h"
#include "tiff/ExifDictionary.h"

namespace fs = std::filesystem;
using namespace pixolyn;
using namespace pixolyn::fuzz;
using pixolyn::test::App13Builder;
using pixolyn::test::EveryIptcDataset;
using pixolyn::test::IptcDataset;
using pixolyn::test::IptcSegment;
using pixolyn::test::JpegBuilder;
using pixolyn::test::MakerCases;
using pixolyn::test::MakerNoteWithEveryRow;
using pixolyn::test::RichTiffBlock;
using pixolyn::test::TMakerCase;

namespace {

class TSeedWriter {
 public:
  explicit TSeedWriter(fs::path folder) : folder_(std::move(folder)) {}

  void Write(const std::string& target, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder_ / target);
    std::ofstream(folder_ / target / name, std::ios::binary) << bytes;
    ++count_;
  }
  int Count() const { return count_; }

 private:
  fs::path folder_;
  int count_ = 0;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string Char(int byte) {
  return std::string(1, static_cast<char>(byte));
}

std::string U16BigEndian(std::size_t value) {
  return Char(static_cast<int>(value >> 8 & 0xFF)) + Char(static_cast<int>(value & 0xFF));
}

// What the reader reads of a JPEG file: up to the start-of-scan header, at
// most 64 KiB.
std::string JpegHead(const std::string& bytes) {
  constexpr std::size_t kMaxHead = 64 * 1024;
  std::size_t pos = 2;
  while (pos + 4 <= bytes.size() && pos < kMaxHead) {
    while (pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) == 0xFF) ++pos;
    if (pos + 3 > bytes.size()) break;
    const auto marker = static_cast<unsigned char>(bytes[pos]);
    const std::size_t length = static_cast<unsigned char>(bytes[pos + 1]) << 8 |
                               static_cast<unsigned char>(bytes[pos + 2]);
    pos += 1 + length;
    if (marker == 0xDA || marker == 0xD9 || length < 2) break;
  }
  return bytes.substr(0, std::min({pos, bytes.size(), kMaxHead}));
}

// The EXIF block of an APP1 segment as exif_block reads it, with the maker
// note's position that a full read finds.
std::string ExifBlockSeed(const std::string& segmentData, std::size_t make) {
  TImgData owner;
  TImageInfo info(&owner);
  const ByteView view(segmentData);
  const bool bigEndian = view.CopyClamped(8, 2) == "MM";
  try {
    info.ReadDirectory(segmentData, bigEndian, 16, 8,
                       (view.Fits(0, 2) ? view.U16(0, true) : 0) + 3);
  } catch (const std::exception&) {
  }
  // The note's bytes stand in the segment; a note read from elsewhere gives no position.
  const std::string noteBytes = info.GetTagByName("MakerNote").RawText;
  const auto found = noteBytes.empty() ? std::string::npos : segmentData.find(noteBytes);
  const std::size_t note = found != std::string::npos && found < 0x10000 ? found : 0;
  return Char(static_cast<int>(make)) + Char(bigEndian ? kExifMotorola : 0) + U16BigEndian(note) +
         segmentData;
}

// The block of a TIFF file's head as exif_block reads it.
std::string TiffBlockSeed(const std::string& head) {
  const int flags = kExifTiffLayout | (head.starts_with("MM") ? kExifMotorola : 0);
  return Char(kMakeFromBlock) + Char(flags) + U16BigEndian(0) +
         head.substr(std::min<std::size_t>(8, head.size()));
}

std::string App1SegmentData(const std::string& tiffBlock) {
  return JpegBuilder().App1Exif(tiffBlock).Bytes().substr(4);
}

std::size_t BigEndian(std::string_view bytes, std::size_t pos, std::size_t count) {
  std::size_t value = 0;
  for (std::size_t i = 0; i < count && pos + i < bytes.size(); ++i) {
    value = value << 8 | static_cast<uint8_t>(bytes[pos + i]);
  }
  return value;
}

// The payloads of the APP1 segments that begin with header, in file order.
std::vector<std::string> App1Payloads(const std::string& jpeg, std::string_view header) {
  std::vector<std::string> payloads;
  for (auto pos = jpeg.find(header); pos != std::string::npos; pos = jpeg.find(header, pos + 1)) {
    if (pos < 4 || jpeg.compare(pos - 4, 2, "\xFF\xE1") != 0) continue;
    const std::size_t length = BigEndian(jpeg, pos - 2, 2);
    if (length < 2 + header.size()) continue;
    payloads.push_back(jpeg.substr(pos + header.size(), length - 2 - header.size()));
  }
  return payloads;
}

// The standard packet, the separator and the extension's chunks joined by their offsets.
std::string XmpSeed(const std::string& jpeg) {
  using namespace std::string_view_literals;
  const auto packets = App1Payloads(jpeg, "http://ns.adobe.com/xap/1.0/\0"sv);
  if (packets.empty()) return {};
  std::string extension;
  for (const std::string& chunk : App1Payloads(jpeg, "http://ns.adobe.com/xmp/extension/\0"sv)) {
    const std::size_t full = BigEndian(chunk, 32, 4);
    const std::size_t offset = BigEndian(chunk, 36, 4);
    if (full > (16u << 20) || offset >= full) continue;
    const std::string data = chunk.size() > 40 ? chunk.substr(40, full - offset) : "";
    extension.resize(full);
    extension.replace(offset, data.size(), data);
  }
  std::string seed = packets.front();
  if (!extension.empty()) seed += std::string(kXmpExtensionSeparator) + extension;
  return seed;
}

void FromSamplePictures(TSeedWriter& seeds) {
  const std::string corpus = pixolyn::test::CorpusDir();
  if (corpus.empty()) {
    std::fprintf(stderr, "no sample pictures: seeds from the builders only\n");
    return;
  }
  for (const auto& file : fs::directory_iterator(corpus)) {
    const std::string ext = file.path().extension().string();
    const std::string name = file.path().stem().string();
    const std::string bytes = ReadFile(file.path());
    if (ext == ".tif") {
      const std::string head = bytes.substr(0, 8 + TImgData::kTiffBlockSize);
      seeds.Write("whole_file", name + ".tif", head);
      seeds.Write("exif_block", name + "-tif", TiffBlockSeed(head));
      continue;
    }
    if (ext != ".jpg") continue;
    seeds.Write("whole_file", name + ".jpg", JpegHead(bytes));
    TImgData image;
    image.ReadImageFile(file.path().string());
    if (image.ExifSection) {
      seeds.Write("exif_block", name,
                  ExifBlockSeed(image.ExifSection->SegmentData, kMakeFromBlock));
    }
    if (image.IptcSection) seeds.Write("iptc_segment", name, image.IptcSection->SegmentData);
    if (const std::string xmp = XmpSeed(bytes); !xmp.empty()) seeds.Write("xmp_packet", name, xmp);
  }
}

void FromBuilders(TSeedWriter& seeds) {
  for (const bool bigEndian : {false, true}) {
    const std::string order = bigEndian ? "mm" : "ii";
    const std::string rich = RichTiffBlock(bigEndian);
    seeds.Write("whole_file", "rich-" + order + ".tif", rich);
    seeds.Write("whole_file", "rich-" + order + ".jpg",
                JpegBuilder()
                    .App0()
                    .App1Exif(rich)
                    .App13(App13Builder().Signature().IptcResource(EveryIptcDataset()).Payload())
                    .Filler(3)
                    .Comment("first line\r\nsecond line")
                    .StartOfScan()
                    .Bytes());
    seeds.Write("exif_block", "rich-" + order, ExifBlockSeed(App1SegmentData(rich), 4));
    seeds.Write("exif_block", "rich-" + order + "-tif", TiffBlockSeed(rich));

    const std::vector<TMakerCase> makers = MakerCases();
    for (std::size_t i = 0; i < makers.size(); ++i) {
      const TMakerCase& maker = makers[i];
      const std::string block = pixolyn::test::ExifWithMakerNote(
          bigEndian, maker.Make, MakerNoteWithEveryRow(maker, bigEndian));
      const std::string name = "maker" + std::to_string(i) + "-" + order;
      seeds.Write("whole_file", name + ".jpg", JpegBuilder().App1Exif(block).EndOfImage().Bytes());
      seeds.Write("exif_block", name, ExifBlockSeed(App1SegmentData(block), kMakeFromBlock));
    }
  }
  // Odd segment orders: a second APP1, a note, an APP1 too late to count.
  seeds.Write("whole_file", "segments.jpg",
              JpegBuilder()
                  .App1Exif(RichTiffBlock(false))
                  .Segment(0xE1, "http://ns.adobe.com/xap/1.0/")
                  .Segment(0xE2, "ICC_PROFILE")
                  .App1Exif(RichTiffBlock(true))
                  .Comment("")
                  .Comment("last")
                  .EndOfImage()
                  .Bytes());

  const std::string datasets = EveryIptcDataset();
  seeds.Write("iptc_segment", "all-datasets", IptcSegment(datasets));
  seeds.Write("iptc_segment", "no-signature",
              App13Builder().Raw(std::string(10, '\0')).Raw(datasets).SegmentData());
  // A segment followed by one edit of each kind.
  std::string edits = IptcSegment(IptcDataset(2, 25, "a") + IptcDataset(2, 90, "Berlin"));
  for (uint8_t edit = 0; edit < static_cast<uint8_t>(TIptcEdit::Count); ++edit) {
    const auto row = static_cast<uint8_t>(edit * 5 % kIptcTagCount);
    edits += Char(edit) + Char(row) + FuzzText(edit == 6 ? IptcSegment(datasets) : "value");
  }
  edits += Char(0) + Char(200) + FuzzText("Keywords") + FuzzText("c");
  seeds.Write("iptc_segment", "edits", edits);
}

// Every form of RDF the reader knows, in one packet.
void XmpForms(TSeedWriter& seeds) {
  seeds.Write("xmp_packet", "forms",
              "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
              "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
              "<rdf:Description xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
              "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmp:Rating=\"-1\">"
              "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">T</rdf:li>"
              "<rdf:li xml:lang=\"de\">Z&#xA;2</rdf:li></rdf:Alt></dc:title>"
              "<dc:subject><rdf:Bag><rdf:li>a, b</rdf:li></rdf:Bag></dc:subject>"
              "<xmp:S rdf:parseType=\"Resource\"><rdf:value>v</rdf:value><xmp:F>f</xmp:F></xmp:S>"
              "<xmp:D><rdf:Description xmp:G=\"g\"/></xmp:D><xmp:R rdf:resource=\"u\"/>"
              "<xmp:CreateDate>2024-05-01T14:03:22.5Z</xmp:CreateDate>"
              "</rdf:Description></rdf:RDF></x:xmpmeta>");
}

void FromTexts(TSeedWriter& seeds) {
  auto write = [&seeds](TValueFunction function, uint8_t flags, const std::string& args) {
    static int n = 0;
    seeds.Write("value_text", "text" + std::to_string(n++),
                Char(static_cast<int>(function)) + Char(flags) + args);
  };
  using F = TValueFunction;
  const std::string shorts = std::string("\0\1\0\2\0\3", 6);
  write(F::TagValue, 0, Char(3) + FuzzText("") + std::string("\1\0", 2));
  write(F::TagValue, kValueBigEndian,
        Char(5) + FuzzText("F%0.1f") + std::string("\0\0\0\x1C\0\0\0\x0A", 8));
  write(F::TagValue, kValueTableMap,
        Char(10) + U16BigEndian(20) + FuzzText("%5.2f mm") +
            std::string("\xFF\xFF\xFF\xF0\0\0\0\x03", 8));
  write(F::TagValue, 0, Char(12) + FuzzText("%s") + std::string("\0\0\0\0\0\0\xF8\x7F", 8));
  write(F::TagValue, kValueBigEndian, Char(11) + FuzzText("%f") + shorts);
  for (const char* text : {"28/10", "-1/0", "0/0", "2147483647/1", " 7 / 2"}) {
    write(F::Rational, 0, text);
  }
  write(F::ValueMap, kValueTableMap, U16BigEndian(40) + std::string("\2\0\0\0\0\0\0\0", 8));
  write(F::Printable, 0, std::string("a\0b\tc\x81\xFF", 7) + std::string(60, 'x'));
  for (const char* text : {"-2147483648", "$7FFFFFFF", "0x1F", "  +12", "x", "12a"}) {
    write(F::Integer, 0, FuzzText(text) + "\x01\x02\x03\x04");
  }
  write(F::IptcDate, 0, FuzzText("20040315") + FuzzText("134502+0100"));
  write(F::IptcDate, 0, FuzzText("2004031") + FuzzText("000000"));
  write(F::IptcDate, 0, FuzzText("") + FuzzText(""));
  // Typed values: a type byte, then the value bytes in Motorola order.
  const std::string values[] = {
      Char(2) + "25",
      Char(7) + std::string("\x01\x02\x03\0", 4),
      Char(3) + std::string("\0\x19", 2),
      Char(5) + std::string("\0\0\0\x30\0\0\0\1\0\0\0\x08\0\0\0\1\0\0\x09\x1A\0\0\0\x64", 24),
      Char(5) + std::string("\0\0\0\x18\0\0\0\1\0\0\0\x55\0\0\0\1\0\0\0\x1C\0\0\0\x0A"
                            "\0\0\0\x2D\0\0\0\x0A",
                            32),
      Char(8) + std::string("\0\x5C\0\x02\0\0\0\x03\x01\x01\x02\x01\x0F\x01\xFF\xFF", 16),
  };
  for (uint8_t formatter = 0; formatter < 8; ++formatter) {
    for (const std::string& value : values) {
      write(F::Formatter, kValueBigEndian, Char(formatter) + value);
    }
  }
  write(F::FixedPoint, 0,
        std::string("\0\0\0\0\0\0\xF4\x3F", 8) + Char(5) + Char(2) + FuzzText("%5.2f %% %0.1f"));
  write(F::CellText, 0, "{\\rtf1 a\\par b\\'e4}\r\nline\tcell \x80\x9F");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  TSeedWriter seeds(argv[1]);
  FromSamplePictures(seeds);
  FromBuilders(seeds);
  FromTexts(seeds);
  XmpForms(seeds);
  std::printf("%d seeds written to %s\n", seeds.Count(), argv[1]);
  return 0;
}
