#include "bench/WholeTable.h"

#include <memory>

#include "metadata/ImageData.h"
#include "table/GridText.h"
#include "table/MetaInfo.h"
#include "table/TableModel.h"

namespace pixolyn::bench {

std::size_t WholeTable(const std::string& path) {
  std::unique_ptr<TImgData> image;
  LoadMetaInfo(path, image);
  TMetaTable grid;
  TIntArray sectionRows;
  ShowMetaInfo(grid, image.get(), sectionRows);
  image->ResetImage();
  image.reset();
  return GridToTabText(grid).size();
}

}  // namespace pixolyn::bench
