#pragma once
// One picture file's table, as the viewer and pixolyn-info read it.

#include <string>

#include "table/MetaInfo.h"
#include "table/TableModel.h"

namespace pixolyn {

// Why a file or folder cannot be read, as a German UTF-8 text, from the
// error number of the engine's file reading (kNotRegularFile included).
std::string FileErrorReason(int error);
// The system's text of an error number (UTF-8 under a UTF-8 locale), or for
// kNotRegularFile the reason above.
std::string SystemErrorText(int error);

// Loads the picture and builds its sections in the given number and date
// formats; the image record is freed again. Returns why the file cannot be
// read, as a German UTF-8 text (sections are then left as they were), asking
// the system no more than the reading does; empty when it can.
std::string ReadPictureSections(const std::string& path, TMetaSections& sections,
                                const RegionalSettings& regional = {});

// Loads the picture and fills grid as the viewer does; the image record is
// freed again. The reason the file cannot be read, as above; the grid is then
// left as it was.
std::string FillPictureTable(const std::string& path, TMetaTable& grid, TIntArray& sectionRows,
                             const RegionalSettings& regional = {});

}  // namespace pixolyn
