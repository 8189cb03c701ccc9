#include "tiff/TiffWalk.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fixtures/MakerNoteBuilder.h"
#include "fixtures/TiffBuilder.h"

namespace pixolyn {
namespace {

using test::MakerNoteBuilder;
using test::TiffBuilder;

constexpr uint16_t kTagInner = 0xC000;

// Records each entry as "tag=number,..." read in the walk's own byte order;
// refuses the tags given, and reads the value of kTagInner as a big-endian
// directory of its own whose offsets count from its first byte.
class TRecordingSink final : public TEntrySink {
 public:
  explicit TRecordingSink(std::set<uint16_t> refused = {}) : refused_(std::move(refused)) {}

  bool Take(const TTiffEntry& entry, const TTiffWalk& walk) override {
    std::string line = std::to_string(entry.Tag) + "=";
    const ByteView value(entry.Value);
    const int64_t width = entry.Type == 4 ? 4 : 2;
    for (int64_t at = 0; entry.Type != 7 && value.Fits(at, width); at += width) {
      line += std::to_string(width == 4 ? value.U32(at, walk.BigEndian)
                                        : value.U16(at, walk.BigEndian)) +
              ",";
    }
    Seen.push_back(line);
    if (entry.Tag == kTagInner) {
      const TTiffWalk inner{.Bytes = value,
                            .BigEndian = true,
                            .Origin = 0,
                            .FallbackBytes = value,
                            .Limits = walk.Limits,
                            .Sink = *this};
      WalkMakerDirectory(inner, 4);
    }
    return !refused_.contains(entry.Tag);
  }

  std::vector<std::string> Seen;

 private:
  std::set<uint16_t> refused_;
};

std::vector<std::string> Walk(const std::string& block, TRecordingSink& sink) {
  TWalkLimits limits;
  limits.AllowValueBytesFor(block.size());
  const ByteView bytes(block);
  const TTiffWalk walk{.Bytes = bytes,
                       .BigEndian = false,
                       .Origin = 0,
                       .FallbackBytes = bytes,
                       .SizeLimit = 4096,
                       .Limits = limits,
                       .Sink = sink};
  WalkImageDirectory(walk, 8, ExifKind);
  return sink.Seen;
}

TEST(TiffWalk, NestedDirectoryIsReadInItsOwnByteOrderAndOrigin) {
  const std::string inner =
      MakerNoteBuilder(true, std::string("ABC\0", 4), MakerNoteBuilder::Offsets::FromNote)
          .Short(1, {7})
          .Long(2, {0x01020304, 5})
          .Build(0);
  TiffBuilder tiff(false);
  const auto main = tiff.Directory();
  tiff.Short(main, 3, {9}).Undefined(main, kTagInner, inner).Long(main, 4, {258, 6});

  TRecordingSink sink;
  EXPECT_EQ(Walk(tiff.Build(), sink),
            (std::vector<std::string>{"3=9,", "49152=", "1=7,", "2=16909060,5,", "4=258,6,"}));
}

TEST(TiffWalk, RefusedEntryEndsItsDirectoryOnly) {
  TiffBuilder tiff(false);
  const auto main = tiff.Directory();
  const auto exif = tiff.Directory();
  tiff.Short(main, 1, {1}).SubDirectory(main, 0x8769, exif).Short(main, 5, {5});
  tiff.Short(exif, 2, {2}).Short(exif, 3, {3});
  const std::string block = tiff.Build();
  const std::string pointer = "34665=" + std::to_string(tiff.OffsetOf(exif)) + ",";

  struct Case {
    std::set<uint16_t> refused;
    std::vector<std::string> seen;
  };
  const Case cases[] = {
      {{}, {"1=1,", pointer, "2=2,", "3=3,", "5=5,"}},
      {{1}, {"1=1,"}},
      {{0x8769}, {"1=1,", pointer}},  // the refused pointer is not followed
      {{2}, {"1=1,", pointer, "2=2,", "5=5,"}},
  };
  for (const Case& c : cases) {
    TRecordingSink sink(c.refused);
    EXPECT_EQ(Walk(block, sink), c.seen);
  }
}

}  // namespace
}  // namespace pixolyn
