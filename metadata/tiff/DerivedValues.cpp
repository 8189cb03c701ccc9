#include "tiff/DerivedValues.h"

#include <cmath>

#include "metadata/ExifDecoder.h"
#include "metadata/Regional.h"
#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
constexpr int kUnitInch = 2;
constexpr int kUnitCentimetre = 3;
}  // namespace

double MillimetresPerUnit(int resolutionUnit) {
  if (resolutionUnit == kUnitInch) return 25.4;
  if (resolutionUnit == kUnitCentimetre) return 10.0;
  return 0;
}

std::optional<double> FocalLength35(const TFocalLengthInputs& inputs) {
  const double mmPerUnit = MillimetresPerUnit(inputs.resolutionUnit);
  if (mmPerUnit == 0 || inputs.focalLength == 0) return std::nullopt;
  double sensorWidth = 0;
  double sensorHeight = 0;
  if (inputs.xResolution > 0) sensorWidth = inputs.pixelWidth * mmPerUnit / inputs.xResolution;
  if (inputs.yResolution > 0) sensorHeight = inputs.pixelHeight * mmPerUnit / inputs.yResolution;
  const double factor =
      sensorWidth * sensorHeight > 0
          ? kFilmDiagonalMm / std::sqrt(sensorWidth * sensorWidth + sensorHeight * sensorHeight)
          : inputs.defaultCropFactor;
  return inputs.focalLength * factor;
}

void TImageInfo::AddFocalLength35() {
  if (FindTagByName("FocalLengthin35mmFilm") >= 0) return;  // the file's own value stands
  TFocalLengthInputs inputs;
  inputs.resolutionUnit = TagIntegerByName("FocalPlaneResolutionUnit");
  if (inputs.resolutionUnit <= 0) inputs.resolutionUnit = TagIntegerByName("ResolutionUnit");
  inputs.focalLength = TagNumberByName("FocalLength");
  inputs.xResolution = TagIntegerByName("FocalPlaneXResolution");
  inputs.yResolution = TagIntegerByName("FocalPlaneYResolution");
  inputs.pixelWidth = PixelWidth;
  inputs.pixelHeight = PixelHeight;
  inputs.defaultCropFactor = DefaultCropFactor();
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

double TImageInfo::DefaultCropFactor() const {
  return kDefaultCropFactor;
}

}  // namespace pixolyn
