#pragma once
// One picture file's table, as the viewer and pixolyn-info read it.

#include <string>

#include "table/MetaInfo.h"
#include "table/TableModel.h"

namespace pixolyn {

// Why the file cannot be read, as a German Windows-1252 text; empty when it can.
std::string UnreadableReason(const std::string& path);

// Loads the picture and fills grid as the viewer does, in the given number
// and date formats; the image record is freed again.
void FillPictureTable(const std::string& path, TMetaTable& grid, TIntArray& sectionRows,
                      const RegionalSettings& regional = {});

}  // namespace pixolyn
