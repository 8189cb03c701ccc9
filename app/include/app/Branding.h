#pragma once
// Who makes Pixolyn, in one place: the start screen, the about box, the
// window caption and the banner take their lines from here. Windows-1252 texts.

namespace pixolyn::branding {

inline constexpr const char* kProductName = "Pixolyn";
inline constexpr const char* kMaker = "die Pixolyn-Entwickler";
inline constexpr const char* kYears = "2026";
// "(C) 2026 die Pixolyn-Entwickler" with the copyright sign.
inline constexpr const char* kCopyright = "\xA9 2026 die Pixolyn-Entwickler";
inline constexpr const char* kProductOf = "Pixolyn ist ein Produkt der Pixolyn-Entwickler, 2026";
inline constexpr const char* kTagline =
    "Kommentar, IPTC- und EXIF-Daten Ihrer JPEG-Fotos auf einen Blick";
// Contact lines of the banner and the about box; an empty text leaves its line out.
inline constexpr const char* kWebPage = "";
inline constexpr const char* kMailAddress = "";

}  // namespace pixolyn::branding
