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

// Fills the grid with the sections, whose texts it takes over; sectionRows
// receives the rows of the section headers.
void ShowSections(TMetaTable& grid, TSections sections, TIntArray& sectionRows);

// Fills the grid with the record's sections (the record may be absent).
void ShowMetaInfo(TMetaTable& grid, TImgData* image, TIntArray& sectionRows);

}  // namespace pixolyn
