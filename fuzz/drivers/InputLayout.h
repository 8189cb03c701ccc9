#pragma once
// How the drivers read their inputs: the choices a byte of an input stands
// for. The seed maker writes inputs by the same numbers.

#include <array>
#include <cstdint>
#include <string_view>

namespace pixolyn::fuzz {

// exif_block: the first byte picks a make (modulo kExifMakes.size() + 1):
// each maker with a table as cameras write it, one that none knows, or
// (kMakeFromBlock) whatever the block's own Make tag says.
inline constexpr std::array<std::string_view, 15> kExifMakes = {
    "NIKON CORPORATION",
    "OLYMPUS OPTICAL CO.,LTD",
    "CASIO COMPUTER CO.,LTD.",
    "FUJIFILM",
    "Canon",
    "SEIKO EPSON CORP.",
    "SANYO Electric Co.,Ltd.",
    "Minolta Co., Ltd.",
    "PENTAX Corporation",
    "SONY",
    "Panasonic",
    "RICOH",
    "SAMSUNG",
    "Apple",
    "KODAK",
};
inline constexpr std::size_t kMakeFromBlock = kExifMakes.size();
// The second byte: bit 0 set reads the block as a TIFF file's head, else as
// an APP1 segment; bit 1 set reads it in Motorola order, else in Intel order.
inline constexpr uint8_t kExifTiffLayout = 1;
inline constexpr uint8_t kExifMotorola = 2;

// iptc_segment: each edit is a byte (modulo Count), a name, a value text.
enum class TIptcEdit : uint8_t { Set, Append, Write, Remove, Get, Find, Decode, Reset, Count };

// value_text: the first byte picks the function (modulo Count), the second
// holds the flags below.
enum class TValueFunction : uint8_t {
  TagValue,
  Rational,
  ValueMap,
  Printable,
  Integer,
  IptcDate,
  Formatter,
  FixedPoint,
  CellText,
  Count
};
inline constexpr uint8_t kValueBigEndian = 1;
inline constexpr uint8_t kValueTableMap = 4;  // a table row's value map instead of a text

// xmp_packet: the standard packet, then this and the extension. Four zero
// bytes stand in no XML, in UTF-8 or UTF-16.
inline constexpr std::string_view kXmpExtensionSeparator = std::string_view("\0\0\0\0", 4);

}  // namespace pixolyn::fuzz
