#include "UnoText.h"

#include "metadata/Cp1252.h"

namespace pixolyn {

rtl::OUString Utf8ToOUString(std::string_view utf8) {
  return rtl::OUString(utf8.data(), static_cast<sal_Int32>(utf8.size()), RTL_TEXTENCODING_UTF8);
}

rtl::OUString ToOUString(std::string_view cp1252) {
  return Utf8ToOUString(Cp1252ToUtf8(cp1252));
}

std::string FromOUString(const rtl::OUString& text) {
  const rtl::OString utf8 = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
  return Utf8ToCp1252(std::string_view(utf8.getStr(), static_cast<std::size_t>(utf8.getLength())));
}

}  // namespace pixolyn
