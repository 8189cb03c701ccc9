#include "table/MetaInfo.h"

namespace pixolyn {

namespace {

class GridFiller {
 public:
  GridFiller(TMetaTable& grid, TIntArray& sectionRows) : grid_(grid), sectionRows_(sectionRows) {}

  void AddSection(std::string_view caption) {
    ++nextRow_;
    sectionRows_.push_back(nextRow_);
    grid_.SetRowCount(nextRow_ + 2);
    grid_.SetCell(0, nextRow_, std::string(caption));
    grid_.SetCell(1, nextRow_, "");
    ++nextRow_;
    ClearRow(nextRow_);
  }

  void AddRow(std::string_view caption, std::string value) {
    const bool grows = nextRow_ + 1 > grid_.RowCount();
    grid_.SetRowCount(nextRow_ + 1);
    // The indent is the grid's; the sections hold the bare caption.
    std::string indented;
    indented.reserve(caption.size() + 2);
    indented += "  ";
    indented += caption;
    grid_.SetCell(0, nextRow_, std::move(indented));
    grid_.SetCell(1, nextRow_, std::move(value));
    ++nextRow_;
    // Just beyond the count: the next section's spacer. A table that grew
    // has a new, empty row there already.
    if (!grows) ClearRow(nextRow_);
  }

 private:
  void ClearRow(int row) {
    grid_.SetCell(0, row, std::string());
    grid_.SetCell(1, row, std::string());
  }

  TMetaTable& grid_;
  TIntArray& sectionRows_;
  int nextRow_ = 0;
};

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

void ShowSections(TMetaTable& grid, TSections sections, TIntArray& sectionRows) {
  sectionRows.clear();
  grid.SetRowCount(2);
  grid.SetColWidth(0, 160);
  grid.SetColWidth(1, 2000);
  grid.SetCell(0, 0, " Feldbezeichnung");
  grid.SetCell(1, 0, " Dateninhalte");
  // A header, its spacer and a placeholder per section, besides the rows.
  std::size_t rows = 1;
  for (const TSection& section : sections) rows += section.Rows.size() + 3;
  grid.ReserveRows(static_cast<int>(rows));

  GridFiller fill(grid, sectionRows);
  for (TSection& section : sections) {
    fill.AddSection(SectionTitle(section.Kind));
    for (TSectionRow& row : section.Rows) fill.AddRow(row.Caption, std::move(row.Value));
    if (section.ShowsPlaceholder) fill.AddRow(kNoDataCaption, "");
  }
}

void ShowMetaInfo(TMetaTable& grid, TImgData* image, TIntArray& sectionRows) {
  ShowSections(grid, BuildSections(image), sectionRows);
}

}  // namespace pixolyn
