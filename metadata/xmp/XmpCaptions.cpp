#include "xmp/XmpCaptions.h"

namespace pixolyn {

namespace {
// Those with an IPTC dataset take its caption, so that one field reads alike
// in both sections.
constexpr TXmpCaption kCaptions[] = {
    {"dc:title", "Objektname"},
    {"dc:description", "Objektbeschreibung"},
    {"dc:subject", "Schl\xC3\xBCsselw\xC3\xB6rter"},
    {"dc:creator", "Autor"},
    {"dc:rights", "Copyrightvermerk"},
    {"photoshop:Headline",
     "\xC3\x9C"
     "berschrift"},
    {"photoshop:City", "Ort"},
    {"Iptc4xmpCore:Location", "Region"},
    {"photoshop:State", "Land/Bundesland"},
    {"photoshop:Country", "Land"},
    {"Iptc4xmpCore:CountryCode", "L\xC3\xA4ndercode"},
    {"photoshop:Credit", "Bildrechte"},
    {"photoshop:Source", "Quelle"},
    {"photoshop:Instructions", "Hinweise"},
    {"photoshop:TransmissionReference", "Referenzcode"},
    {"photoshop:AuthorsPosition", "Autorentitel"},
    {"photoshop:CaptionWriter", "Autor der Beschreibung"},
    {"photoshop:Category", "Kategorie"},
    {"photoshop:SupplementalCategories", "Unterkategorie"},
    {"photoshop:Urgency", "Dringlichkeit"},
    {"photoshop:DateCreated", "Erstelldatum", true},
    {"xmp:CreatorTool", "Anwendung"},
    {"xmp:Rating", "Bewertung"},
    {"xmp:Label", "Markierung"},
    {"lr:hierarchicalSubject", "Schl\xC3\xBCsselwort-Hierarchie"},
    {"xmp:CreateDate", "Erstellt", true},
    {"xmp:ModifyDate", "Ge\xC3\xA4ndert", true},
    {"xmp:MetadataDate", "Metadaten ge\xC3\xA4ndert", true},
    {"xmpRights:UsageTerms", "Nutzungsbedingungen"},
    {"xmpRights:WebStatement", "Rechte-URL"},
    {"Iptc4xmpCore:AltTextAccessibility", "Alternativtext"},
    {"Iptc4xmpExt:PersonInImage", "Abgebildete Person"},
    {kRegionNamePath, "Person (Bereich)"},
};
}  // namespace

std::span<const TXmpCaption> XmpCaptions() {
  return kCaptions;
}

}  // namespace pixolyn
