#pragma once
// Formatters of single EXIF and GPS tags (TTagFormatter): typed value in,
// shown text out.

#include <string>

#include "metadata/TagEntry.h"

namespace pixolyn {

// "ComponentsConfiguration": the first four bytes as channel names, e.g.
// "YCbCr" or "RGB".
std::string FormatComponents(const TTypedValue& value, const RegionalSettings& regional);

// Flash bits as words, e.g. "On, auto mode, red-eye reduction". A value that
// is not one whole number (e.g. two components) is shown as it stands.
std::string FormatFlash(const TTypedValue& value, const RegionalSettings& regional);

// Degrees, minutes and seconds as "48 Degrees 8 Minutes 23 Seconds".
std::string FormatGpsPosition(const TTypedValue& value, const RegionalSettings& regional);

// Hours, minutes and seconds as "14:5:3".
std::string FormatGpsTime(const TTypedValue& value, const RegionalSettings& regional);

// An APEX shutter speed v as the time 2^-v it stands for: "1/166 Sec" below
// one second, "2,5 Sec" from one second on. A value that does not convert
// is shown as stored.
std::string FormatShutterSpeed(const TTypedValue& value, const RegionalSettings& regional);

// An APEX aperture v as the f-number 2^(v/2), e.g. "F7,0"; a value that does
// not convert is shown as stored.
std::string FormatAperture(const TTypedValue& value, const RegionalSettings& regional);

}  // namespace pixolyn
