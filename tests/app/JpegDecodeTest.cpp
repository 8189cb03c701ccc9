#include "app/JpegDecode.h"

#include <gtest/gtest.h>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <cerrno>
#include <cstring>

#include "TestJpeg.h"
#include "app/PictureFile.h"
#include "fixtures/JpegBuilder.h"

namespace pixolyn {
namespace {

int JpegErrorCode(std::string_view bytes) {
  try {
    QuarterScaleSize(bytes);
  } catch (const JpegError& error) {
    return error.Code();
  }
  return -1;
}

TEST(JpegDecode, QuarterScaleSizeIsEachDimensionDividedBy4RoundedUp) {
  const struct {
    int Width, Height, QuarterWidth, QuarterHeight;
  } cases[] = {{1001, 751, 251, 188}, {1000, 752, 250, 188}, {1, 1, 1, 1}, {9, 7, 3, 2}};
  for (const auto& c : cases) {
    const TJpegSize size = QuarterScaleSize(test::MakeJpeg(c.Width, c.Height));
    EXPECT_EQ(size.Width, c.QuarterWidth) << c.Width;
    EXPECT_EQ(size.Height, c.QuarterHeight) << c.Height;
  }
}

TEST(JpegDecode, ReportsTheLibraryMessageCode) {
  EXPECT_EQ(JpegErrorCode("this is not a picture"), JERR_NO_SOI);
  EXPECT_EQ(JpegErrorCode(""), JERR_INPUT_EMPTY);
  const std::string picture = test::MakeJpeg(64, 48);
  EXPECT_GT(JpegErrorCode(picture.substr(0, 30)), 0);
}

TEST(JpegDecode, DecodesThePictureAtFullSize) {
  const TDecodedPicture picture = DecodeForDisplay(test::MakeJpeg(101, 51));
  EXPECT_EQ(picture.Width, 101);
  EXPECT_EQ(picture.Height, 51);
  ASSERT_EQ(picture.Pixels.size(), 101u * 51u * 3u);
  // The gradient runs from dark red on the left to full red on the right.
  EXPECT_LT(picture.Pixels[0], 40);
  EXPECT_GT(picture.Pixels[100 * 3], 215);
}

TEST(JpegDecode, DecodesWhatThereIsOfATruncatedPicture) {
  const std::string picture = test::MakeJpeg(200, 200);
  const TDecodedPicture decoded = DecodeForDisplay(picture.substr(0, picture.size() / 2));
  EXPECT_EQ(decoded.Width, 200);
  EXPECT_EQ(decoded.Pixels.size(), 200u * 200u * 3u);
}

// A small picture whose frame header claims side x side pixels, with hardly any data behind it.
std::string ForgedSize(uint16_t side) {
  std::string picture = test::MakeJpeg(16, 16);
  const auto sof = picture.find("\xFF\xC0");
  for (const std::size_t at : {sof + 5, sof + 7}) {  // height, then width
    picture[at] = static_cast<char>(side >> 8);
    picture[at + 1] = static_cast<char>(side & 0xFF);
  }
  return picture;
}

TEST(JpegDecode, ScalesDownAPictureBeyondTheDisplayLimitAndRefusesOneTooLargeAtEveryScale) {
  const TDecodedPicture decoded = DecodeForDisplay(ForgedSize(20000));
  EXPECT_EQ(decoded.Width, 5000);
  EXPECT_EQ(decoded.Height, 5000);
  for (const TJpegSize cover : {TJpegSize{100, 100}, TJpegSize{100000, 100000}}) {
    try {
      DecodeToCover(ForgedSize(65500), cover);
      ADD_FAILURE() << "decoded 65500 x 65500";
    } catch (const JpegError& error) {
      EXPECT_EQ(error.Code(), JERR_IMAGE_TOO_BIG);
    }
  }
}

TEST(JpegDecode, DecodesToCoverAtTheSmallestDctScaleThatStillCoversTheArea) {
  const std::string picture = test::MakeJpeg(800, 600);
  const struct {
    TJpegSize Cover;
    int Width, Height;
  } cases[] = {
      {{0, 0}, 100, 75},      {{100, 75}, 100, 75},     {{101, 75}, 100, 75},
      {{101, 76}, 200, 150},  {{1000, 150}, 200, 150},  {{400, 300}, 400, 300},
      {{401, 301}, 800, 600}, {{5000, 5000}, 800, 600},
  };
  for (const auto& c : cases) {
    const TDecodedPicture decoded = DecodeToCover(picture, c.Cover);
    EXPECT_EQ(decoded.Width, c.Width) << c.Cover.Width << "x" << c.Cover.Height;
    EXPECT_EQ(decoded.Height, c.Height) << c.Cover.Width << "x" << c.Cover.Height;
    EXPECT_EQ(decoded.Pixels.size(), std::size_t(c.Width) * c.Height * 3);
    EXPECT_EQ(decoded.Full.Width, 800);
    EXPECT_EQ(decoded.Full.Height, 600);
  }
}

TEST(PictureFile, ReportsTheSystemErrorOfAFileThatCannotBeRead) {
  test::TempDir dir;
  const auto failure = [](const std::string& path) {
    try {
      ReadPictureFile(path);
    } catch (const FileOpenError& error) {
      return error.SystemText();
    }
    return std::string("read");
  };
  EXPECT_EQ(failure(dir.Path() + "/missing.jpg"), std::strerror(ENOENT));
  EXPECT_EQ(failure(dir.Path()), std::strerror(EISDIR));
  EXPECT_EQ(ReadPictureFile(dir.Write("a.jpg", "abc")), "abc");
}

}  // namespace
}  // namespace pixolyn
