#pragma once
// Texts across the UNO edge: Windows-1252 (names, messages) or UTF-8 (cells)
// on our side, UTF-16 on the office's.

#include <rtl/ustring.hxx>

#include <string>
#include <string_view>

namespace pixolyn {

rtl::OUString ToOUString(std::string_view cp1252);
std::string FromOUString(const rtl::OUString& text);

// File names and URLs are bytes of the file system (UTF-8) or ASCII.
rtl::OUString Utf8ToOUString(std::string_view utf8);

}  // namespace pixolyn
