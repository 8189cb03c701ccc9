#pragma once
// The metadata table builder: loads one picture's metadata and writes its
// sections into the two-column table, with the title row, a blank row before
// each section header, the indent of the rows and the placeholder row.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/ImageData.h"
#include "metadata/IptcDate.h"
#include "metadata/Sections.h"
#include "metadata/TagEntry.h"
#include "table/TableModel.h"

namespace pixolyn {

// One table row (UTF-8).
using TInfo = TSectionRow;

using TIntArray = std::vector<int32_t>;

// Replaces the record by a fresh one that has read path; its texts are
// written in the given number and date formats.
void LoadMetaInfo(const std::string& path, std::unique_ptr<TImgData>& image,
                  const RegionalSettings& regional = {});
// The same for a file's bytes held in memory, named as the file would be.
void LoadMetaInfoFromBytes(const std::string& name, std::string_view bytes,
                           std::unique_ptr<TImgData>& image, const RegionalSettings& regional = {});

// The rows of Windows-1252 tags, in UTF-8.
std::vector<TInfo> TagListToInfo(std::span<const TTagEntry> tags,
                                 const RegionalSettings& regional = {});

// One row of the grid, as views of the sections' texts.
struct TGridRow {
  bool IsHeader = false;
  std::string_view Indent;  // before the caption of a section's own rows
  std::string_view Caption;
  std::string_view Value;
};

// The rows of the grid for the sections, in order: the title row; for each
// section its header (after a blank row but for the first), its rows and its
// placeholder row; a blank row after a last section that shows none, and
// under the title when there is no section. (A template, so that the call
// for each row inlines.)
template <typename RowSink>
void ForEachGridRow(const TMetaSections& sections, RowSink&& row) {
  row({.Caption = " Feldbezeichnung", .Value = " Dateninhalte"});
  bool lastEmpty = true;
  for (std::size_t s = 0; s < sections.size(); ++s) {
    const TMetaSection& section = sections[s];
    if (s > 0) row({});
    row({.IsHeader = true, .Caption = SectionTitle(section.Kind)});
    // The indent is the grid's; the sections hold the bare caption.
    for (const TSectionRow& shown : section.Rows) {
      row({.Indent = "  ", .Caption = shown.Caption, .Value = shown.Value});
    }
    if (section.ShowsPlaceholder) row({.Indent = "  ", .Caption = kNoDataCaption});
    lastEmpty = section.Rows.empty() && !section.ShowsPlaceholder;
  }
  // A last section with nothing under its header keeps the spacer after it;
  // without sections the row under the title stands.
  if (lastEmpty) row({});
}

// Fills the grid with the sections' rows; sectionRows receives the rows of
// the section headers.
void ShowSections(TMetaTable& grid, const TMetaSections& sections, TIntArray& sectionRows);

// Fills the grid with the record's sections (the record may be absent).
void ShowMetaInfo(TMetaTable& grid, TImgData* image, TIntArray& sectionRows);

}  // namespace pixolyn
