#pragma once
// The code each fuzz target runs on one input. The fuzz targets and the
// replay of the regression inputs in the tests call the same drivers, so a
// saved input goes through exactly the calls that found it.

#include <span>
#include <stdexcept>
#include <string_view>

namespace pixolyn::fuzz {

// Raised by a driver when the engine's results break a rule that holds for
// every input; the fuzzer reports it like a crash, the replay as a failure.
class FuzzInvariantBroken : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// The bytes as a JPEG file and as a TIFF file, read the way the viewer reads
// a picture: ReadImageFile, ShowMetaInfo into a table, the tab-separated text.
void DriveWholeFile(std::string_view bytes);

// A bare APP13 segment (its own two length bytes say how long; the bytes
// behind it are edits) decoded by DecodeText, then editing operations by name.
void DriveIptcSegment(std::string_view bytes);

// Two header bytes (the camera make; the layout and byte order), two bytes of
// maker-note offset, then a bare EXIF block read by ReadDirectory and, from
// that offset on, by the maker's directory reader.
void DriveExifBlock(std::string_view bytes);

// A selector byte and texts for one of the value formatting and text
// functions: FormatTagValue, ParseRationalText, NameOfValue, the tag
// formatters on typed values, IptcStrToDateTime, TextToInt and their neighbours.
void DriveValueText(std::string_view bytes);

// An XMP packet, and after four zero bytes an extension packet, read by
// ReadXmpPacket and shown by XmpRows.
void DriveXmpPacket(std::string_view bytes);

struct TFuzzDriver {
  std::string_view Name;  // also the folder of its seeds and regression inputs
  void (*Drive)(std::string_view bytes);
};

std::span<const TFuzzDriver> FuzzDrivers();
// nullptr for an unknown name.
const TFuzzDriver* FindFuzzDriver(std::string_view name);

}  // namespace pixolyn::fuzz
