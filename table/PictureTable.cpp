#include "table/PictureTable.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "metadata/Cp1252.h"
#include "metadata/ImageData.h"

namespace pixolyn {

namespace {
// The sections of the picture (those of no picture when it cannot be read),
// and in fileError why it cannot be.
TMetaSections LoadSections(const std::string& path, const RegionalSettings& regional,
                           int& fileError) {
  std::unique_ptr<TImgData> image;
  LoadMetaInfo(path, image, regional);
  fileError = image->FileError;
  TMetaSections sections = BuildSections(image.get());
  image->ResetImage();
  return sections;
}
}  // namespace

std::string FileErrorReason(int error) {
  switch (error) {
    case 0:
    case ENOENT:
    case ENOTDIR:
      return "Datei nicht gefunden";
    case kNotRegularFile:
      return "keine gew\u00f6hnliche Datei";
    case EACCES:
    case EPERM:
      return "Zugriff verweigert";
    case ELOOP:
      return "Verweisschleife";
    default:
      return "nicht lesbar (" + ValidUtf8(std::strerror(error)) + ")";
  }
}

std::string SystemErrorText(int error) {
  return error == kNotRegularFile ? FileErrorReason(error) : std::string(std::strerror(error));
}

std::string ReadPictureSections(const std::string& path, TMetaSections& sections,
                                const RegionalSettings& regional) {
  int fileError = 0;
  TMetaSections read = LoadSections(path, regional, fileError);
  if (fileError != 0) return FileErrorReason(fileError);
  sections = std::move(read);
  return {};
}

std::string FillPictureTable(const std::string& path, TMetaTable& grid, TIntArray& sectionRows,
                             const RegionalSettings& regional) {
  TMetaSections sections;
  std::string reason = ReadPictureSections(path, sections, regional);
  if (reason.empty()) ShowSections(grid, sections, sectionRows);
  return reason;
}

}  // namespace pixolyn
