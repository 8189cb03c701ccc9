#include "table/MetaInfo.h"

namespace pixolyn {

namespace {

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

void ShowSections(TMetaTable& grid, const TMetaSections& sections, TIntArray& sectionRows) {
  sectionRows.clear();
  // The whole size at once: the texts go in one after the other, and a grid
  // filled picture after picture keeps its room.
  int rowCount = 0;
  std::size_t textBytes = 0;
  ForEachGridRow(sections, [&](const TGridRow& row) {
    ++rowCount;
    textBytes += row.Indent.size() + row.Caption.size() + row.Value.size();
  });
  grid.Clear();
  grid.Reserve(rowCount, textBytes);
  grid.SetColWidth(0, 160);
  grid.SetColWidth(1, 2000);
  ForEachGridRow(sections, [&grid, &sectionRows](const TGridRow& row) {
    if (row.IsHeader) sectionRows.push_back(grid.RowCount());
    grid.AddRow(row.Indent, row.Caption, row.Value);
  });
}

void ShowMetaInfo(TMetaTable& grid, TImgData* image, TIntArray& sectionRows) {
  ShowSections(grid, BuildSections(image), sectionRows);
}

}  // namespace pixolyn
