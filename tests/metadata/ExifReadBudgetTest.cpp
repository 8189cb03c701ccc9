// The bounds on what one EXIF walk reads: entries, value bytes and formatted
// numbers. Pointers that many entries share must not make the walk read the
// same bytes again without end, and a sound block must never meet the bounds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/ExifReading.h"
#include "fixtures/JpegBuilder.h"
#include "fixtures/MakerNoteBuilder.h"
#include "fixtures/TiffBuilder.h"
#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"

namespace pixolyn {
namespace {

using test::ReadJpegWithExif;
using test::TiffBuilder;

constexpr uint16_t kImageWidth = 0x0100, kOrientation = 0x0112, kExifOffset = 0x8769,
                   kUserComment = 0x9286, kExposureTime = 0x829A, kIsoSpeed = 0x8827;
constexpr uint16_t kTypeByte = 1, kTypeUndefined = 7;

int CountNamed(const TImageInfo& info, const std::string& name) {
  int count = 0;
  for (int i = 0; i < info.TagCount; ++i) {
    if (info.TagList[static_cast<std::size_t>(i)].Name == name) ++count;
  }
  return count;
}

std::size_t RawBytesHeld(const TImageInfo& info) {
  std::size_t bytes = 0;
  for (int i = 0; i < info.TagCount; ++i)
    bytes += info.TagList[static_cast<std::size_t>(i)].RawText.size();
  return bytes;
}

TEST(ExifReadBudget, EndsTheWalkWhenEveryEntryLeadsToTheSameDirectory) {
  TiffBuilder tiff(false);
  const auto main = tiff.Directory();
  const auto shared = tiff.Directory();
  for (int i = 0; i < 300; ++i) tiff.SubDirectory(main, kExifOffset, shared);
  for (int i = 0; i < 300; ++i) tiff.Short(shared, kOrientation, {1});
  const auto image = ReadJpegWithExif(tiff.Build());
  const TImageInfo& info = *image->ExifInfo;
  // The shared directory is read whole the first times, but not 300 times.
  EXPECT_GE(CountNamed(info, "Orientation"), 300 * 5);
  EXPECT_LE(info.TagCount, 2048);
}

TEST(ExifReadBudget, HoldsAValueThatEveryEntryPointsToOnlyAFewTimesOver) {
  TiffBuilder tiff(false);
  const auto main = tiff.Directory();
  const auto value = tiff.Chunk(std::string(10000, '\x07'));
  for (int i = 0; i < 1000; ++i) tiff.EntryAt(main, kImageWidth, kTypeByte, 10000, value);
  const std::string block = tiff.Build();
  const auto image = ReadJpegWithExif(block);
  const TImageInfo& info = *image->ExifInfo;
  ASSERT_GT(info.TagCount, 0);
  EXPECT_EQ(info.TagList[0].RawText, std::string(10000, '\x07'));
  EXPECT_TRUE(info.TagList[0].Text.starts_with("7, 7, 7, "));
  EXPECT_LE(RawBytesHeld(info), 64 * 1024 + 16 * (block.size() + 10));
}

// As some makers write: several values declared to run to the end of the block.
TEST(ExifReadBudget, ReadsEverySoundValueOfABlockOfSixtyKilobytes) {
  TiffBuilder tiff(true);
  const auto main = tiff.Directory();
  const auto filler = tiff.Chunk(std::string(60000, 'a'));
  for (int i = 0; i < 8; ++i) {
    tiff.EntryAt(main, kUserComment, kTypeUndefined, 0x7FFFFFFF, filler, i * 100);
  }
  const auto image = ReadJpegWithExif(tiff.Build());
  const TImageInfo& info = *image->ExifInfo;
  ASSERT_EQ(info.TagCount, 8);
  EXPECT_EQ(info.TagList[7].RawText, std::string(60000 - 700, 'a'));
}

TEST(ExifReadBudget, WhatAMakerNoteSpendsNeverShortensTheStandardRows) {
  test::MakerNoteBuilder manyNumbers(false, "");
  manyNumbers.Long(0x0008, std::vector<uint32_t>(5000, 7));
  test::MakerNoteBuilder manyEntries(false, "");
  for (int i = 0; i < 2100; ++i) manyEntries.Short(0x0002, {1});
  for (const test::MakerNoteBuilder* note : {&manyNumbers, &manyEntries}) {
    const auto later = [](TiffBuilder& tiff, TiffBuilder::Ref exif) {
      tiff.Rational(exif, kExposureTime, {{1, 60}}).Short(exif, kIsoSpeed, {100, 200});
    };
    const auto image = ReadJpegWithExif(test::ExifWithMakerNote(false, "Canon", *note, later));
    const TImageInfo& info = *image->ExifInfo;
    EXPECT_EQ(info.GetTagText("ExposureTime"), "1/60 sec");
    EXPECT_EQ(info.GetTagText("ISOSpeedRatings"), "100, 200");
  }
}

}  // namespace
}  // namespace pixolyn
