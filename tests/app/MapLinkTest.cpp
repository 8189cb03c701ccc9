// The map link of a picture's position, from its GPS tags to the URL.

#include <gtest/gtest.h>

#include "app/MapLink.h"
#include "fixtures/ExifReading.h"
#include "fixtures/TiffBuilder.h"
#include "support/TestFiles.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

using Dms = std::vector<std::pair<uint32_t, uint32_t>>;

// The link, or "" without a position.
std::string MapUrlOf(const TImgData& image) {
  const auto position = GpsPositionOf(image.ExifInfo.get());
  return position ? OpenStreetMapUrl(*position).toString().toStdString() : "";
}

std::string Url(const std::string& lat, const std::string& lon) {
  return "https://www.openstreetmap.org/?mlat=" + lat + "&mlon=" + lon + "#map=15/" + lat + "/" +
         lon;
}

TEST(MapLink, FollowsTheGpsTags) {
  struct {
    bool bigEndian;
    const char *latRef, *lonRef, *status;
    Dms lat, lon;  // lon empty: none
    std::string url;
  } const cases[] = {
      // clang-format off
      {false, "N", "E", "A", {{48, 1}, {8, 1}, {225, 10}}, {{11, 1}, {34, 1}, {30, 1}}, Url("48.139583", "11.575000")},
      {true, "S", "E", "", {{33, 1}, {52, 1}, {8, 1}}, {{151, 1}, {12, 1}, {30, 1}}, Url("-33.868889", "151.208333")},
      {false, "S", "W", "", {{22, 1}, {54, 1}, {30, 1}}, {{43, 1}, {11, 1}, {47, 1}}, Url("-22.908333", "-43.196389")},
      // Minutes with a fraction and seconds 0/0; lower-case Refs.
      {true, "n", "w", "", {{51, 1}, {305, 10}, {0, 0}}, {{0, 1}, {75, 10}, {0, 0}}, Url("51.508333", "-0.125000")},
      {false, "N", "E", "V", {{48, 1}}, {{11, 1}}, ""},  // measurement void
      {false, "N", "E", "", {{48, 1}}, {}, ""},
      {false, "N", "E", "", {{91, 1}}, {{11, 1}}, ""},  // beyond the pole
      // clang-format on
  };
  for (const auto& c : cases) {
    test::TiffBuilder tiff(c.bigEndian);
    const auto main = tiff.Directory();
    const auto gps = tiff.Directory();
    tiff.SubDirectory(main, 0x8825, gps);
    tiff.Ascii(gps, 1, c.latRef).Rational(gps, 2, c.lat).Ascii(gps, 3, c.lonRef);
    if (!c.lon.empty()) tiff.Rational(gps, 4, c.lon);
    if (*c.status) tiff.Ascii(gps, 9, c.status);
    EXPECT_EQ(MapUrlOf(*test::ReadJpegWithExif(tiff.Build())), c.url) << "case " << &c - cases;
  }
}

// ExifTool reads this picture at 42.034575 N, 0.507502777 W.
TEST(MapLink, AgreesWithExifToolOnASamplePicture) {
  if (test::CorpusDir().empty()) GTEST_SKIP() << "no sample pictures";
  std::unique_ptr<TImgData> image;
  LoadMetaInfo(test::CorpusDir() + "/Ricoh2.jpg", image);
  EXPECT_EQ(MapUrlOf(*image), Url("42.034575", "-0.507503"));
}

}  // namespace
}  // namespace pixolyn
