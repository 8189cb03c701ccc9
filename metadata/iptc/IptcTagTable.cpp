#include "iptc/IptcTagTable.h"

#include <algorithm>

namespace pixolyn {

const TTagDefArray& IptcTagTable() {
  // clang-format off
  static const TTagDefArray table = {
      {.RecordNumber = 2, .Tag = 0x00, .Name = "SKIP",               .Label = "Record Version",           .MaxSize = 64},
      {.RecordNumber = 2, .Tag = 0x37, .Name = "DateCreated",        .Label = "Erstelldatum",             .MaxSize = 8},
      {.RecordNumber = 2, .Tag = 0x3C, .Name = "TimeCreated",        .Label = "Erstellzeit",              .MaxSize = 11},
      {.RecordNumber = 2, .Tag = 0x05, .Name = "ObjectName",         .Label = "Objektname",               .MaxSize = 64},
      {.RecordNumber = 2, .Tag = 0x0A, .Name = "Urgency",            .Label = "Dringlichkeit",            .MaxSize = 1},
      {.RecordNumber = 2, .Tag = 0x0C, .Name = "SubRef",             .Label = "Referenz",                 .MaxSize = 236},
      {.RecordNumber = 2, .Tag = 0x0F, .Name = "Category",           .Label = "Kategorie",                .MaxSize = 3},
      {.RecordNumber = 2, .Tag = 0x14, .Name = "SuppCategory",       .Label = "Unterkategorie",           .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x16, .Name = "FixtureID",          .Label = "Fixture ID",               .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x19, .Name = "Keywords",           .Label = "Schl\xFCsselw\xF6rter",    .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x28, .Name = "SpecialInstru",      .Label = "Hinweise",                 .MaxSize = 256},
      {.RecordNumber = 2, .Tag = 0x41, .Name = "OriginatingProgram", .Label = "Anwendung",                .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x46, .Name = "ProgramVersion",     .Label = "Programmversion",          .MaxSize = 10},
      {.RecordNumber = 2, .Tag = 0x50, .Name = "ByLine",             .Label = "Autor",                    .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x55, .Name = "ByLineTitle",        .Label = "Autorentitel",             .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x5A, .Name = "City",               .Label = "Ort",                      .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x5C, .Name = "SubLocation",        .Label = "Region",                   .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x5F, .Name = "State",              .Label = "Land/Bundesland",          .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x64, .Name = "LocationCode",       .Label = "L\xE4ndercode",            .MaxSize = 3},
      {.RecordNumber = 2, .Tag = 0x65, .Name = "LocationName",       .Label = "Land",                     .MaxSize = 64},
      {.RecordNumber = 2, .Tag = 0x67, .Name = "TransmissionRef",    .Label = "Referenzcode",             .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x69, .Name = "ImageHeadline",      .Label = "\xDC" "berschrift",        .MaxSize = 256},
      {.RecordNumber = 2, .Tag = 0x6E, .Name = "ImageCredit",        .Label = "Bildrechte",               .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x73, .Name = "Source",             .Label = "Quelle",                   .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x74, .Name = "Copyright",          .Label = "Copyrightvermerk",         .MaxSize = 128},
      {.RecordNumber = 2, .Tag = 0x76, .Name = "Contact",            .Label = "Kontakt",                  .MaxSize = 128},
      {.RecordNumber = 2, .Tag = 0x78, .Name = "ImageCaption",       .Label = "Objektbeschreibung",       .MaxSize = 2000},
      {.RecordNumber = 2, .Tag = 0x7A, .Name = "ImageCaptionWriter", .Label = "Autor",                    .MaxSize = 32},
      {.RecordNumber = 2, .Tag = 0x82, .Name = "ImageType",          .Label = "Bildtyp",                  .MaxSize = 2},
      {.RecordNumber = 2, .Tag = 0x83, .Name = "Orientation",        .Label = "Bildausrichtung",          .MaxSize = 1},
      {.RecordNumber = 2, .Tag = 0x87, .Name = "LangID",             .Label = "Sprach-ID",                .MaxSize = 2},
      {.RecordNumber = 8, .Tag = 0x0A, .Name = "Subfile",            .Label = "Unterdatei",               .MaxSize = 2},
  };
  // clang-format on
  return table;
}

bool IsRepeatableDataset(uint16_t dataset) {
  return std::find(RepeatableDatasets.begin(), RepeatableDatasets.end(), dataset) !=
         RepeatableDatasets.end();
}

}  // namespace pixolyn
