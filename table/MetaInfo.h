#pragma once
// The metadata table builder: loads one picture's metadata and writes the
// rows of the two-column table with its section headers.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/ImageData.h"
#include "metadata/TagEntry.h"
#include "table/TableModel.h"

namespace pixolyn {

struct TInfo {
  int16_t Group = 0;  // 0 standard row, 1 maker-specific row
  // The tag's label or a part of its text: rows live no longer than their tags.
  std::string_view Caption;
  std::string Value;
};

using TIntArray = std::vector<int32_t>;

// The lists are the decoders' whole storages, shared rather than copied.
struct TCollectedMeta {
  std::string Comment;
  std::span<const TTagEntry> IptcTags;
  std::span<const TTagEntry> ExifTags;
};

// Replaces the record by a fresh one that has read path.
// Its texts are written in the given number and date formats.
void LoadMetaInfo(const std::string& path, std::unique_ptr<TImgData>& image,
                  const RegionalSettings& regional = {});
// The same for a file's bytes held in memory, named as the file would be.
void LoadMetaInfoFromBytes(const std::string& name, std::string_view bytes,
                           std::unique_ptr<TImgData>& image, const RegionalSettings& regional = {});

TCollectedMeta CollectMetaInfo(TImgData* image);

std::vector<TInfo> TagListToInfo(std::span<const TTagEntry> tags,
                                 const RegionalSettings& regional = {});

// Fills the grid; sectionRows receives the rows of the section headers.
void ShowMetaInfo(TMetaTable& grid, TImgData* image, TIntArray& sectionRows);

// The IPTC creation date shown in the regional short date (and long time) format.
std::string CreationDateText(const std::string& text, const RegionalSettings& regional);

}  // namespace pixolyn
