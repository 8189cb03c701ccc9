#include "table/MetaInfo.h"

namespace pixolyn {

namespace {

void ClearRow(TMetaTable& grid, int row) {
  grid.AssignCell(0, row, {});
  grid.AssignCell(1, row, {});
}

TImgData& FreshImage(std::unique_ptr<TImgData>& image, const RegionalSettings& regional) {
  if (image) {
    image->ResetImage();
    image.reset();
  }
  image = std::make_unique<TImgData>(regional);
  return *image;
}
}  // namespace

void LoadMetaInfo(const std::string& path, std::unique_ptr<TImgData>& image,
                  const RegionalSettings& regional) {
  FreshImage(image, regional).ReadImageFile(path);
}

void LoadMetaInfoFromBytes(const std::string& name, std::string_view bytes,
                           std::unique_ptr<TImgData>& image, const RegionalSettings& regional) {
  FreshImage(image, regional).DecodeBytes(name, bytes);
}

std::vector<TInfo> TagListToInfo(std::span<const TTagEntry> tags,
                                 const RegionalSettings& regional) {
  return TagListRows(tags, TTextCoding::Cp1252, regional);
}

void ShowSections(TMetaTable& grid, TMetaSections sections, TIntArray& sectionRows) {
  sectionRows.clear();
  // The whole count at once, and every cell assigned rather than replaced: a
  // grid filled picture after picture keeps its rows and their buffers.
  int rowCount = 0;
  ForEachGridRow(sections, [&rowCount](const TGridRow&) { ++rowCount; });
  grid.SetRowCount(rowCount);
  grid.SetColWidth(0, 160);
  grid.SetColWidth(1, 2000);
  int next = 0;
  ForEachGridRow(sections, [&](const TGridRow& row) {
    if (row.IsHeader) sectionRows.push_back(next);
    grid.AssignCell(0, next, row.Indent, row.Caption);
    if (row.From) {
      // The sections are ours: the value moves over instead of being copied.
      grid.SetCell(1, next, std::move(sections[row.From->Section].Rows[row.From->Row].Value));
    } else {
      grid.AssignCell(1, next, row.Value);
    }
    ++next;
  });
  ClearRow(grid, next);  // the row just beyond the count
}

void ShowMetaInfo(TMetaTable& grid, TImgData* image, TIntArray& sectionRows) {
  ShowSections(grid, BuildSections(image), sectionRows);
}

}  // namespace pixolyn
