#pragma once
// An XMP packet read into its properties, and the rows they give. The packet
// reader knows RDF only as far as XMP writes it; the rows know which
// properties a photographer looks for first.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/Sections.h"

namespace pixolyn {

// One value of a property, in the packet's order. An array gives one
// property per item, all with the same Path.
struct TXmpProperty {
  // Qualified name with the usual prefix of a known namespace ("dc:subject"),
  // else the packet's own prefix; a structure's field follows its structure
  // after a slash ("Iptc4xmpCore:CreatorContactInfo/Iptc4xmpCore:CiEmailWork").
  std::string Path;
  std::string Language;  // xml:lang of the item or value; empty without
  std::string Value;     // UTF-8 as written; an rdf:resource's URI
  // The structure the property is a field of, numbered from 1 over the
  // packet (each item of an array of structures is one); 0 outside any
  // structure. Tells which fields belong together, as a region's name and type.
  uint32_t Structure = 0;
};

struct TXmpPacket {
  std::vector<TXmpProperty> Properties;
  // Why the packet could not be read to its end, in German with the line;
  // empty when it could. The properties before the fault stay.
  std::string Error;
  // The value of xmpNote:HasExtendedXMP, naming the extension's chunks.
  std::string ExtendedGuid;
};

// Reads a packet (standard or extension). Never expands an entity: a
// packet with a DOCTYPE is refused.
TXmpPacket ReadXmpPacket(std::string_view xml);

// The Group of XmpRows' rows: those of the captioned properties, and those
// under a qualified name with the error row. The catalogue takes the first only.
inline constexpr int16_t kXmpCaptionedGroup = 0;
inline constexpr int16_t kXmpOtherGroup = 1;

// The rows of the "XMP-Daten" section: the captioned properties first in
// their fixed order, then every other property in the packets' order under
// its qualified name. The extension's properties count after the packet's.
std::vector<TSectionRow> XmpRows(const TXmpPacket& packet, const TXmpPacket* extension = nullptr);

}  // namespace pixolyn
