#include "app/PictureFile.h"

#include "metadata/ImageData.h"
#include "table/PictureTable.h"

namespace pixolyn {

FileOpenError::FileOpenError(std::string path, std::string systemText)
    : std::runtime_error(path + ": " + systemText),
      path_(std::move(path)),
      systemText_(std::move(systemText)) {}

std::string ReadPictureFile(const std::string& path) {
  std::string bytes;
  int error = 0;
  if (ReadRegularFile(path, kMaxPictureFileSize, bytes, error)) return bytes;
  throw FileOpenError(path, SystemErrorText(error));
}

}  // namespace pixolyn
