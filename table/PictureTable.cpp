#include "table/PictureTable.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "metadata/Cp1252.h"
#include "metadata/ImageData.h"

namespace pixolyn {

namespace {
std::string ReasonOf(int error) {
  switch (error) {
    case 0:
    case ENOENT:
    case ENOTDIR:
      return "Datei nicht gefunden";
    case EACCES:
    case EPERM:
      return "keine Leseberechtigung";
    default:
      return "nicht lesbar (" + ValidUtf8(std::strerror(error)) + ")";
  }
}
}  // namespace

std::string UnreadableReason(const std::string& path) {
  errno = 0;
  if (!FileExists(path)) return ReasonOf(errno);
  // Asking is cheaper than opening: the table's own read opens the file again.
  if (::access(path.c_str(), R_OK) != 0) return ReasonOf(errno);
  return {};
}

TSections ReadPictureSections(const std::string& path, const RegionalSettings& regional) {
  std::unique_ptr<TImgData> image;
  LoadMetaInfo(path, image, regional);
  TSections sections = BuildSections(image.get());
  image->ResetImage();
  return sections;
}

void FillPictureTable(const std::string& path, TMetaTable& grid, TIntArray& sectionRows,
                      const RegionalSettings& regional) {
  ShowSections(grid, ReadPictureSections(path, regional), sectionRows);
}

}  // namespace pixolyn
