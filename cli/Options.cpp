#include "Options.h"

#include <string_view>

#include "export/CatalogExport.h"

namespace pixolyn {

const char* const kUsage =
    "Aufruf: pixolyn-info [--crlf] DATEI...\n"
    "        pixolyn-info --xls ARBEITSMAPPE DATEI\n"
    "        pixolyn-info --catalog AUSGABE [-r] [--separator ZEICHEN] DATEI|ORDNER...\n"
    "\n"
    "Gibt die Metadaten-Tabelle jeder DATEI (JPEG-Kommentar, IPTC-Daten,\n"
    "EXIF- und GPS-Daten, kameraspezifische Daten, XMP-Daten) als tabulatorgetrennten\n"
    "Text in UTF-8 aus, eine Zeile je Tabellenzeile. Bei mehreren Dateien steht vor jeder\n"
    "Tabelle eine Zeile \"# PFAD\".\n"
    "\n"
    "Optionen:\n"
    "  --crlf            Zeilen mit CR LF statt LF beenden\n"
    "  --xls ARBEITSMAPPE\n"
    "                    die Tabelle der DATEI in die Tabelle \"Metainfo f\xC3\xBCr NAME\"\n"
    "                    der Arbeitsmappe schreiben statt sie auszugeben; das Format\n"
    "                    folgt der Endung (.xls, .xlsx, .ods), eine fehlende Mappe\n"
    "                    wird angelegt, ihre anderen Tabellen bleiben erhalten\n"
    "  --catalog AUSGABE einen Katalog schreiben: eine Zeile je Bild, eine Spalte je\n"
    "                    Feldbezeichnung; ein ORDNER steht f\xC3\xBCr seine *.jpg-Dateien.\n"
    "                    Das Format folgt der Endung: .csv, oder .xls, .xlsx, .ods\n"
    "                    (Tabelle \"Katalog\"); \"-\" schreibt CSV auf die Standardausgabe\n"
    "  -r                mit --catalog auch die Unterordner jedes ORDNERs\n"
    "  --separator ZEICHEN\n"
    "                    Trennzeichen der CSV-Datei (Vorgabe \";\"; \"tab\" f\xC3\xBCr TAB)\n"
    "  --help            diese Hilfe zeigen\n"
    "\n"
    "Arbeitsmappen brauchen LibreOffice Calc.\n"
    "\n"
    "Exit-Status: 0, wenn jede Datei gelesen (und die Ausgabe geschrieben) wurde;\n"
    "1, wenn eine Datei oder ein Ordner fehlte oder nicht lesbar war (die anderen\n"
    "werden trotzdem ausgegeben) oder die Ausgabe nicht geschrieben werden konnte;\n"
    "2 bei einem Aufruffehler.\n";

namespace {
// One ASCII character that cannot be mistaken for quoting or a line end.
bool TakeSeparator(std::string_view text, char& separator) {
  if (text == "tab") text = "\t";
  if (text.size() != 1) return false;
  const auto c = static_cast<unsigned char>(text[0]);
  if (c >= 0x80 || c == '"' || c == '\r' || c == '\n') return false;
  separator = text[0];
  return true;
}

// The option's argument, or nullptr (with the error set) when there is none.
const char* ArgumentOf(int argc, const char* const* argv, int& i, const char* missing,
                       std::string& error) {
  if (i + 1 >= argc) {
    error = missing;
    return nullptr;
  }
  return argv[++i];
}

std::string CheckCombination(const TInfoOptions& options, bool catalogOnly) {
  if (options.Files.empty()) return "keine DATEI angegeben";
  if (!options.Workbook.empty() && !options.Catalog.empty()) {
    return "--xls und --catalog schlie\xC3\x9F"
           "en sich aus";
  }
  if (!options.Workbook.empty() && options.Files.size() > 1) return "--xls nimmt genau eine DATEI";
  if (options.Catalog.empty()) {
    if (catalogOnly) return "-r und --separator gelten nur mit --catalog";
    return {};
  }
  if (options.Catalog != kStandardOutput &&
      CatalogFormatOf(options.Catalog) == TCatalogFormat::Unknown) {
    return "AUSGABE muss auf .csv, .xls, .xlsx oder .ods enden oder - sein";
  }
  return {};
}
}  // namespace

TParsedOptions ParseOptions(int argc, const char* const* argv) {
  TParsedOptions parsed;
  TInfoOptions& options = parsed.Options;
  bool onlyFiles = false;
  bool catalogOnly = false;  // an option that means something only for a catalogue
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (onlyFiles || arg.size() < 2 || arg[0] != '-') {
      options.Files.emplace_back(arg);
    } else if (arg == "--") {
      onlyFiles = true;
    } else if (arg == "--help") {
      options.Help = true;
      return parsed;
    } else if (arg == "--crlf") {
      options.CrLf = true;
    } else if (arg == "-r") {
      options.Recurse = true;
      catalogOnly = true;
    } else if (arg == "--xls") {
      const char* value =
          ArgumentOf(argc, argv, i, "--xls braucht den Namen einer Arbeitsmappe", parsed.Error);
      if (value == nullptr) return parsed;
      options.Workbook = value;
    } else if (arg == "--catalog") {
      const char* value =
          ArgumentOf(argc, argv, i, "--catalog braucht den Namen der AUSGABE", parsed.Error);
      if (value == nullptr) return parsed;
      options.Catalog = value;
    } else if (arg == "--separator") {
      const char* value =
          ArgumentOf(argc, argv, i, "--separator braucht ein Zeichen", parsed.Error);
      if (value == nullptr) return parsed;
      if (!TakeSeparator(value, options.Separator)) {
        parsed.Error =
            "--separator nimmt ein ASCII-Zeichen au\xC3\x9F"
            "er \" und Zeilenenden";
        return parsed;
      }
      catalogOnly = true;
    } else {
      parsed.Error = "unbekannte Option " + std::string(arg);
      return parsed;
    }
  }
  parsed.Error = CheckCombination(options, catalogOnly);
  return parsed;
}

}  // namespace pixolyn
