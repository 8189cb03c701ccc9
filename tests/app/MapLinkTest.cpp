// The map link of a picture's position, from its GPS tags to the URL.

#include <gtest/gtest.h>

#include <optional>

#include "app/MapLink.h"
#include "fixtures/ExifReading.h"
#include "fixtures/TiffBuilder.h"
#include "metadata/GpsPosition.h"
#include "support/TestFiles.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

using Dms = std::vector<std::pair<uint32_t, uint32_t>>;

struct GpsCase {
  const char* what;
  bool bigEndian;
  const char* latitudeRef;
  Dms latitude;
  const char* longitudeRef;
  Dms longitude;  // empty for none
  const char* status;
  const char* url;  // nullptr: no position
};

std::string MapUrlOf(const TImgData& image) {
  const std::optional<TGpsPosition> position = GpsPositionOf(image.ExifInfo.get());
  return position ? OpenStreetMapUrl(*position).toString().toStdString() : "";
}

TEST(MapLink, FollowsTheGpsTags) {
  const GpsCase cases[] = {
      {"north east",
       false,
       "N",
       {{48, 1}, {8, 1}, {225, 10}},
       "E",
       {{11, 1}, {34, 1}, {30, 1}},
       "A",
       "https://www.openstreetmap.org/?mlat=48.139583&mlon=11.575000#map=15/48.139583/11.575000"},
      {"south east",
       true,
       "S",
       {{33, 1}, {52, 1}, {8, 1}},
       "E",
       {{151, 1}, {12, 1}, {30, 1}},
       "",
       "https://www.openstreetmap.org/?mlat=-33.868889&mlon=151.208333#map=15/-33.868889/"
       "151.208333"},
      {"south west",
       false,
       "S",
       {{22, 1}, {54, 1}, {30, 1}},
       "W",
       {{43, 1}, {11, 1}, {47, 1}},
       "",
       "https://www.openstreetmap.org/?mlat=-22.908333&mlon=-43.196389#map=15/-22.908333/"
       "-43.196389"},
      {"minutes with a fraction, seconds 0/0",
       true,
       "n",
       {{51, 1}, {305, 10}, {0, 0}},
       "w",
       {{0, 1}, {75, 10}, {0, 0}},
       "",
       "https://www.openstreetmap.org/?mlat=51.508333&mlon=-0.125000#map=15/51.508333/-0.125000"},
      {"measurement void",
       false,
       "N",
       {{48, 1}, {8, 1}, {0, 1}},
       "E",
       {{11, 1}, {34, 1}, {0, 1}},
       "V",
       nullptr},
      {"no longitude", false, "N", {{48, 1}, {8, 1}, {0, 1}}, "E", {}, "", nullptr},
      {"latitude beyond the pole",
       false,
       "N",
       {{91, 1}, {0, 1}, {0, 1}},
       "E",
       {{1, 1}},
       "",
       nullptr},
  };
  for (const GpsCase& c : cases) {
    test::TiffBuilder tiff(c.bigEndian);
    const auto main = tiff.Directory();
    const auto gps = tiff.Directory();
    tiff.SubDirectory(main, 0x8825, gps);
    tiff.Ascii(gps, 0x0001, c.latitudeRef).Rational(gps, 0x0002, c.latitude);
    tiff.Ascii(gps, 0x0003, c.longitudeRef);
    if (!c.longitude.empty()) tiff.Rational(gps, 0x0004, c.longitude);
    if (*c.status) tiff.Ascii(gps, 0x0009, c.status);
    EXPECT_EQ(MapUrlOf(*test::ReadJpegWithExif(tiff.Build())), c.url ? c.url : "") << c.what;
  }
}

// ExifTool reads this picture at 42.034575 N, 0.507502777 W.
TEST(MapLink, AgreesWithExifToolOnASamplePicture) {
  const std::string corpus = test::CorpusDir();
  if (corpus.empty()) GTEST_SKIP() << "no sample pictures";
  std::unique_ptr<TImgData> image;
  LoadMetaInfo(corpus + "/Ricoh2.jpg", image);
  EXPECT_EQ(MapUrlOf(*image),
            "https://www.openstreetmap.org/?mlat=42.034575&mlon=-0.507503#map=15/42.034575/"
            "-0.507503");
}

}  // namespace
}  // namespace pixolyn
