#include "export/SheetName.h"

#include "export/ExportMessages.h"

namespace pixolyn {

namespace {
constexpr std::string_view kForbidden = ":\\/?*[]";

// Small letters of Windows-1252 folded to capitals: ASCII, the Latin-1 letters
// (0xE0..0xFE without the division sign) and the letters of 0x9A..0x9F.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:
      return 0x8A;  // š Š
    case 0x9C:
      return 0x8C;  // œ Œ
    case 0x9E:
      return 0x8E;  // ž Ž
    case 0xFF:
      return 0x9F;  // ÿ Ÿ
    default:
      return c;
  }
}
}  // namespace

std::string SheetNameRefusal(std::string_view name) {
  const std::size_t at = name.find_first_of(kForbidden);
  if (at != std::string_view::npos) return ForbiddenSheetCharacterMessage(name, name[at]);
  if (!name.empty() && name.front() == '\'') return LeadingApostropheMessage(name);
  return {};
}

bool SameSheetName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace pixolyn
