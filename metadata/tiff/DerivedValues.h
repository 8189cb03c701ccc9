#pragma once
// The 35 mm equivalent of a focal length, from the picture size and the
// resolution of the focal plane.

#include <optional>

namespace pixolyn {

// Diagonal of a 36 mm x 24 mm film frame.
inline constexpr double kFilmDiagonalMm = 43.26661531;
// Used when the sensor size is not known.
inline constexpr double kDefaultCropFactor = 4.5;

struct TFocalLengthInputs {
  double focalLength = 0;  // mm
  int resolutionUnit = 0;  // 2 inch, 3 centimetre
  int xResolution = 0;     // focal-plane pixels per unit
  int yResolution = 0;
  int pixelWidth = 0;
  int pixelHeight = 0;
  double defaultCropFactor = kDefaultCropFactor;
};

// Millimetres per resolution unit: 25.4 for inches, 10 for centimetres, else 0.
double MillimetresPerUnit(int resolutionUnit);

// The focal length times the crop factor of the sensor; none without a known
// unit or without a focal length.
std::optional<double> FocalLength35(const TFocalLengthInputs& inputs);

}  // namespace pixolyn
