#pragma once
// The 35 mm equivalent of a focal length, from the size of the sensor.

#include <optional>

namespace pixolyn {

// Diagonal of a 36 mm x 24 mm film frame.
inline constexpr double kFilmDiagonalMm = 43.26661531;
// Sensor diagonals outside this range are taken for a misread, not a camera.
inline constexpr double kLeastSensorDiagonalMm = 2;
inline constexpr double kGreatestSensorDiagonalMm = 80;

struct TFocalLengthInputs {
  double focalLength = 0;  // mm
  int resolutionUnit = 0;  // of the focal plane: 2 inch, 3 cm, 4 mm, 5 micrometre
  double xResolution = 0;  // focal-plane pixels per unit
  double yResolution = 0;
  int pixelWidth = 0;
  int pixelHeight = 0;
};

// Millimetres per focal-plane resolution unit; 0 for an unknown unit.
double MillimetresPerUnit(int resolutionUnit);

// The focal length times 43.27 mm over the sensor's diagonal; none without a
// focal length, or when the sensor is not known or its diagonal is implausible.
std::optional<double> FocalLength35(const TFocalLengthInputs& inputs);

}  // namespace pixolyn
