#include <memory>
#include <string>

#include "fuzz/drivers/FuzzChecks.h"
#include "fuzz/drivers/FuzzDrivers.h"
#include "metadata/Cp1252.h"
#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"
#include "table/GridText.h"
#include "table/MetaInfo.h"
#include "table/TableModel.h"

namespace pixolyn::fuzz {

namespace {
// Section headers stand in ascending rows inside the table.
void RequireSoundSections(const TMetaTable& grid, const TIntArray& sectionRows) {
  Require(sectionRows.size() >= 3, "fewer than three section headers");
  int previous = 0;
  for (const int row : sectionRows) {
    Require(row > previous && row < grid.RowCount(), "section header outside the table");
    previous = row;
  }
}

// Whatever the file holds, the table's texts are well-formed UTF-8.
void RequireUtf8Cells(const TMetaTable& grid) {
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (const std::string_view cell : grid.RowCells(row)) {
      Require(ValidUtf8(cell) == cell, "a cell that is no UTF-8");
    }
  }
}

void DecodeAsViewerDoes(const std::string& name, std::string_view bytes) {
  std::unique_ptr<TImgData> image;
  LoadMetaInfoFromBytes(name, bytes, image);
  if (image->ExifInfo) {
    const TImageInfo& exif = *image->ExifInfo;
    RequireSoundTagList(exif.TagList, exif.TagCount);
    RequireBoundedStorage(exif.TagList, exif.TagCount, image->ExifSection->SegmentData.size(),
                          kHeldPerExifByte);
  }
  TMetaTable grid;
  TIntArray sectionRows;
  ShowMetaInfo(grid, image.get(), sectionRows);
  RequireSoundSections(grid, sectionRows);
  RequireUtf8Cells(grid);
  GridToTabText(grid);  // the clipboard text
  image->ResetImage();
}
}  // namespace

void DriveWholeFile(std::string_view bytes) {
  DecodeAsViewerDoes("x.jpg", bytes);
  DecodeAsViewerDoes("x.tif", bytes);
}

}  // namespace pixolyn::fuzz
