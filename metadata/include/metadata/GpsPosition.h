#pragma once
// Where a picture was taken, as its GPS tags say, in decimal degrees.

#include <optional>

namespace pixolyn {

class TImageInfo;

struct TGpsPosition {
  double Latitude = 0;   // south negative
  double Longitude = 0;  // west negative
};

// The position of GPSLatitude and GPSLongitude (degrees, minutes, seconds as
// fractions) with their Ref tags. None when a coordinate is missing, is not
// stored as fractions, lies out of range, or the receiver marked the
// measurement void (GPSStatus "V").
std::optional<TGpsPosition> GpsPositionOf(const TImageInfo* exif);

}  // namespace pixolyn
