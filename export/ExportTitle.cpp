#include "export/ExportTitle.h"

#include "metadata/Cp1252.h"

namespace pixolyn {

std::string ExportTitle(std::string_view picturePath) {
  const std::size_t slash = picturePath.rfind('/');
  const std::string_view name =
      slash == std::string_view::npos ? picturePath : picturePath.substr(slash + 1);
  return "Metainfo f\xFCr " + Utf8ToCp1252(name);
}

}  // namespace pixolyn
