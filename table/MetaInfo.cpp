#include "table/MetaInfo.h"

#include <algorithm>

namespace pixolyn {

namespace {

// The rows the grid shows for the sections: the title row; each section's
// header (after a spacer row but for the first), its rows and placeholder; a
// last section with nothing under its header keeps the spacer row after it.
int GridRowCount(const TSections& sections) {
  std::size_t rows = 1;
  std::size_t lastShown = 1;
  for (const TSection& section : sections) {
    lastShown = section.Rows.size() + (section.ShowsPlaceholder ? 1 : 0);
    rows += 2 + lastShown;
  }
  if (!sections.empty()) --rows;  // the first section has no spacer
  if (lastShown == 0) ++rows;
  // The title row and the row under it stand even without sections.
  return static_cast<int>(std::max<std::size_t>(rows, 2));
}

void ClearRow(TMetaTable& grid, int row) {
  grid.AssignCell(0, row, {});
  grid.AssignCell(1, row, {});
}

TImgData& FreshImage(std::unique_ptr<TImgData>& image) {
  if (image) {
    image->ResetImage();
    image.reset();
  }
  image = std::make_unique<TImgData>();
  return *image;
}
}  // namespace

void LoadMetaInfo(const std::string& path, std::unique_ptr<TImgData>& image) {
  FreshImage(image).ReadImageFile(path);
}

void LoadMetaInfoFromBytes(const std::string& name, std::string_view bytes,
                           std::unique_ptr<TImgData>& image) {
  FreshImage(image).DecodeBytes(name, bytes);
}

std::vector<TInfo> TagListToInfo(std::span<const TTagEntry> tags) {
  return TagListRows(tags);
}

void ShowSections(TMetaTable& grid, TSections sections, TIntArray& sectionRows) {
  sectionRows.clear();
  // The whole count at once, and every cell assigned rather than replaced: a
  // grid filled picture after picture keeps its rows and their buffers.
  const int rowCount = GridRowCount(sections);
  grid.SetRowCount(rowCount);
  grid.SetColWidth(0, 160);
  grid.SetColWidth(1, 2000);
  grid.AssignCell(0, 0, " Feldbezeichnung");
  grid.AssignCell(1, 0, " Dateninhalte");
  int row = 1;
  for (TSection& section : sections) {
    if (row > 1) ClearRow(grid, row++);
    sectionRows.push_back(row);
    grid.AssignCell(0, row, SectionTitle(section.Kind));
    grid.AssignCell(1, row++, {});
    // The indent is the grid's; the sections hold the bare caption.
    for (TSectionRow& shown : section.Rows) {
      grid.AssignCell(0, row, "  ", shown.Caption);
      grid.SetCell(1, row++, std::move(shown.Value));
    }
    if (section.ShowsPlaceholder) {
      grid.AssignCell(0, row, "  ", kNoDataCaption);
      grid.AssignCell(1, row++, {});
    }
  }
  // The spacer a last empty section leaves, and the row just beyond the count.
  for (; row <= rowCount; ++row) ClearRow(grid, row);
}

void ShowMetaInfo(TMetaTable& grid, TImgData* image, TIntArray& sectionRows) {
  ShowSections(grid, BuildSections(image), sectionRows);
}

}  // namespace pixolyn
