#include "UnoErrorText.h"

#include <array>
#include <string_view>

#include "UnoText.h"

namespace pixolyn {

namespace {
// Indexed by the error class, bits 8 to 12 of the code.
constexpr std::array<std::string_view, 13> kErrorClassTexts = {
    "",
    "abgebrochen",
    "Ein-/Ausgabefehler",
    "nicht vorhanden",
    "schon vorhanden",
    "Zugriff verweigert",
    "ung\xFCltiger Pfad",
    "von einem anderen Programm gesperrt",
    "ung\xFCltige Angabe",
    "kein Platz mehr auf dem Datentr\xE4ger",
    "nicht unterst\xFCtzt",
    "Lesefehler",
    "Schreibfehler"};

std::string HexCode(uint32_t code) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kHex[code & 0xF]);
    code >>= 4;
  } while (code != 0);
  return "0x" + digits;
}
}  // namespace

std::string ServerText(const css::uno::Exception& e) {
  std::string text = FromOUString(e.Message);
  for (const std::string_view marker : {" at ./", " at /"}) {
    if (const std::size_t at = text.find(marker); at != std::string::npos) text.resize(at);
  }
  return text.empty() ? "unbekannter Fehler" : text;
}

std::string StorageFailureText(uint32_t errorCode) {
  const uint32_t errorClass = (errorCode >> 8) & 0x1F;
  const std::string code = "Fehlercode " + HexCode(errorCode);
  if (errorClass == 0 || errorClass >= kErrorClassTexts.size()) return code;
  return std::string(kErrorClassTexts[errorClass]) + " (" + code + ")";
}

}  // namespace pixolyn
