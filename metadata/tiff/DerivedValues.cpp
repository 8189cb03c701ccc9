#include "tiff/DerivedValues.h"

#include <cmath>

#include "metadata/ExifDecoder.h"
#include "metadata/Regional.h"
#include "tiff/ExifDictionary.h"
#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
constexpr int kUnitInch = 2;
constexpr int kUnitCentimetre = 3;
constexpr int kUnitMillimetre = 4;
constexpr int kUnitMicrometre = 5;

// The width or height of the sensor in mm; 0 when it is not known.
double SensorSide(int pixels, double resolution, double mmPerUnit) {
  if (pixels <= 0 || !(resolution > 0)) return 0;
  return pixels / resolution * mmPerUnit;
}
}  // namespace

double MillimetresPerUnit(int resolutionUnit) {
  switch (resolutionUnit) {
    case kUnitInch:
      return 25.4;
    case kUnitCentimetre:
      return 10.0;
    case kUnitMillimetre:
      return 1.0;
    case kUnitMicrometre:
      return 0.001;
    default:
      return 0;
  }
}

std::optional<double> FocalLength35(const TFocalLengthInputs& inputs) {
  const double mmPerUnit = MillimetresPerUnit(inputs.resolutionUnit);
  if (inputs.focalLength == 0) return std::nullopt;
  const double width = SensorSide(inputs.pixelWidth, inputs.xResolution, mmPerUnit);
  const double height = SensorSide(inputs.pixelHeight, inputs.yResolution, mmPerUnit);
  const double diagonal = std::hypot(width, height);
  if (width == 0 || height == 0 || !(diagonal >= kLeastSensorDiagonalMm) ||
      !(diagonal <= kGreatestSensorDiagonalMm)) {
    return std::nullopt;
  }
  return inputs.focalLength * kFilmDiagonalMm / diagonal;
}

void TImageInfo::AddFocalLength35() {
  if (FindTagByName("FocalLengthin35mmFilm") >= 0) return;  // the file's own value stands
  TFocalLengthInputs inputs;
  inputs.resolutionUnit = TagIntegerByName("FocalPlaneResolutionUnit");
  inputs.focalLength = TagNumberByName("FocalLength");
  inputs.xResolution = TagNumberByName("FocalPlaneXResolution");
  inputs.yResolution = TagNumberByName("FocalPlaneYResolution");
  // The size of the picture the camera took; the picture's own where the file does not say.
  const int exifWidth = TagIntegerByName("ExifImageWidth");
  const int exifHeight = TagIntegerByName("ExifImageLength");
  inputs.pixelWidth = exifWidth > 0 ? exifWidth : PixelWidth;
  inputs.pixelHeight = exifHeight > 0 ? exifHeight : PixelHeight;
  const std::optional<double> focal35 = FocalLength35(inputs);
  if (!focal35) return;

  const int index = FindExifTagByName("FocalLengthin35mmFilm");
  if (index < 0) return;
  TTagEntry entry = ExifTagTable()[static_cast<std::size_t>(index)];
  entry.FormatType = kTypeSRational;
  entry.FormatPattern = "%s mm";  // kept with the entry; the shown text has no unit
  entry.Text = FormatFixed(*focal35, 5, 2, Regional());
  entry.RawText.clear();
  AddTag(entry);
}

double TImageInfo::TagNumberByName(std::string_view name) const {
  const int index = FindTagByName(name);
  if (index < 0) return 0;
  const TTagEntry& entry = TagList[static_cast<std::size_t>(index)];
  return entry.Tag == 0 ? 0 : TagValueAsNumber(entry.RawText, entry.FormatType, entry.BigEndian);
}

int TImageInfo::TagIntegerByName(std::string_view name) const {
  return RoundHalfEven(TagNumberByName(name));
}

}  // namespace pixolyn
