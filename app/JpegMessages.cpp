#include "app/JpegMessages.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <array>
#include <string_view>

namespace pixolyn {

namespace {

struct GermanText {
  int Code;
  const char* Pattern;  // printf pattern taking the message's integer parameters
};

constexpr std::array kGermanTexts = {
    GermanText{JERR_NO_SOI, "Keine JPEG-Datei: sie beginnt mit 0x%02x 0x%02x"},
    GermanText{JERR_INPUT_EMPTY, "Die Datei ist leer"},
    GermanText{JERR_INPUT_EOF, "Die Datei endet vorzeitig"},
    GermanText{JERR_BAD_LENGTH, "Ung\xFCltige L\xE4nge eines JPEG-Abschnitts"},
    GermanText{JERR_SOF_UNSUPPORTED, "Nicht unterst\xFCtztes JPEG-Verfahren: SOF-Typ 0x%02x"},
    GermanText{JERR_BAD_PRECISION, "Nicht unterst\xFCtzte Genauigkeit von %d Bit"},
    GermanText{JERR_EMPTY_IMAGE, "Leeres JPEG-Bild (DNL wird nicht unterst\xFCtzt)"},
    GermanText{JERR_IMAGE_TOO_BIG, "Die gr\xF6\xDFte unterst\xFCtzte Bildabmessung ist %u Pixel"},
    GermanText{JERR_NO_IMAGE, "Die JPEG-Daten enthalten kein Bild"},
    GermanText{JERR_NO_HUFF_TABLE, "Huffman-Tabelle 0x%02x ist nicht definiert"},
    GermanText{JERR_NO_QUANT_TABLE, "Quantisierungstabelle 0x%02x ist nicht definiert"},
    GermanText{JERR_BAD_HUFF_TABLE, "Ung\xFCltige Huffman-Tabelle"},
    GermanText{JERR_BAD_COMPONENT_ID, "Ung\xFCltige Komponentennummer %d im SOS-Abschnitt"},
    GermanText{JERR_SOI_DUPLICATE, "Ung\xFCltiger Aufbau der JPEG-Datei: zwei SOI-Marker"},
    GermanText{JERR_SOF_DUPLICATE, "Ung\xFCltiger Aufbau der JPEG-Datei: zwei SOF-Marker"},
    GermanText{JERR_SOS_NO_SOF, "Ung\xFCltiger Aufbau der JPEG-Datei: SOS vor SOF"},
    GermanText{JERR_WIDTH_OVERFLOW, "Das Bild ist zu breit"},
};

}  // namespace

std::string GermanJpegMessage(int code, int first, int second) {
  for (const GermanText& text : kGermanTexts) {
    if (text.Code != code) continue;
    std::array<char, 256> buffer{};
    std::snprintf(buffer.data(), buffer.size(), text.Pattern, first, second);
    return buffer.data();
  }
  return {};
}

}  // namespace pixolyn
