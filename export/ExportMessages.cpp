#include "export/ExportMessages.h"

#include <cstring>

#include "metadata/Cp1252.h"

namespace pixolyn {

namespace {
std::string Quoted(std::string_view fileName) {
  return "\"" + Utf8ToCp1252(fileName) + "\"";
}

constexpr std::string_view kLeftUnchanged = " und bleibt unver\xE4ndert.";
}  // namespace

std::string OfficeBusyMessage() {
  return "Das Tabellenprogramm ist mit einem anderen Export besch\xE4"
         "ftigt.";
}

std::string NoServerMessage() {
  return std::string(kServerNotFound) +
         "\r\nF\xFCr Arbeitsmappen wird LibreOffice Calc ben\xF6tigt "
         "(Debian-Paket libreoffice-calc).";
}

std::string NotAWorkbookMessage(std::string_view fileName, std::string_view kind) {
  return "Die Datei " + Quoted(fileName) + " ist keine " + std::string(kind) +
         std::string(kLeftUnchanged);
}

std::string UnreadableFileMessage(std::string_view fileName, std::string_view reason) {
  return "Die Datei " + Quoted(fileName) + " kann nicht gelesen werden (" + Utf8ToCp1252(reason) +
         ")" + std::string(kLeftUnchanged);
}

std::string NotOpenableMessage(std::string_view fileName, std::string_view kind) {
  return "Die Datei " + Quoted(fileName) + " l\xE4sst sich nicht als " + std::string(kind) +
         " \xF6"
         "ffnen" +
         std::string(kLeftUnchanged);
}

std::string TooLargeMessage(std::string_view kind, int maxColumns, int maxRows) {
  return "Eine " + std::string(kind) + " fasst h\xF6" + "chstens " + std::to_string(maxColumns) +
         " Spalten und " + std::to_string(maxRows) +
         " Zeilen; nichts wurde gespeichert. Bitte w\xE4hlen Sie ein anderes Format.";
}

std::string ReadOnlyMessage(std::string_view fileName) {
  return "Die Datei " + Quoted(fileName) + " ist schreibgesch\xFCtzt oder von einem anderen " +
         "Programm ge\xF6"
         "ffnet" +
         std::string(kLeftUnchanged);
}

std::string NoNewWorkbookMessage() {
  return "Das Tabellenprogramm konnte keine neue Arbeitsmappe anlegen.";
}

std::string SaveFailedMessage(std::string_view fileName, std::string_view reason) {
  return "Die Datei " + Quoted(fileName) +
         " konnte nicht gespeichert werden: " + std::string(reason) + ".";
}

std::string SystemReason(int error) {
  return Utf8ToCp1252(std::strerror(error));
}

std::string ServerFailureMessage(std::string_view serverText) {
  return "Fehler des Tabellenprogramms: " + std::string(serverText);
}

std::string ForbiddenSheetCharacterMessage(std::string_view title, char character) {
  return "Der Tabellenname \"" + std::string(title) +
         "\" wird nicht angenommen: er enth\xE4lt das Zeichen " + character +
         ", und keines der Zeichen : \\ / ? * [ ] ist erlaubt.";
}

std::string LeadingApostropheMessage(std::string_view title) {
  return "Der Tabellenname \"" + std::string(title) +
         "\" wird nicht angenommen: er darf nicht mit einem Apostroph beginnen.";
}

std::string SheetNameTakenMessage(std::string_view title, std::string_view existing) {
  return "Der Tabellenname \"" + std::string(title) +
         "\" wird nicht angenommen: die Arbeitsmappe hat schon die Tabelle \"" +
         std::string(existing) +
         "\", und Tabellennamen unterscheiden nicht zwischen Gro\xDF- und Kleinbuchstaben.";
}

std::string HelperAbortedMessage(std::string_view why) {
  return "Der Export wurde abgebrochen: " + std::string(why);
}

}  // namespace pixolyn
