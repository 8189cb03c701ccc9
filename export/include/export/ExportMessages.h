#pragma once
// The texts the workbook export shows (Windows-1252), kept in one place.

#include <string>
#include <string_view>

namespace pixolyn {

inline constexpr std::string_view kServerNotFound = "Excel OLE server not found";
inline constexpr std::string_view kMissingFolder = "den Ordner gibt es nicht";
// The format the messages name when the caller names none.
inline constexpr std::string_view kExcelWorkbook = "Excel-Arbeitsmappe";

// fileName is a path as the file system spells it (UTF-8); the texts are Windows-1252.
std::string OfficeBusyMessage();
// The missing server, and what to install for it.
std::string NoServerMessage();
std::string NotAWorkbookMessage(std::string_view fileName, std::string_view kind = kExcelWorkbook);
std::string UnreadableFileMessage(std::string_view fileName, std::string_view reason);
std::string NotOpenableMessage(std::string_view fileName, std::string_view kind = kExcelWorkbook);
std::string TooLargeMessage(std::string_view kind, int maxColumns, int maxRows);
std::string ReadOnlyMessage(std::string_view fileName);
std::string NoNewWorkbookMessage();
std::string SaveFailedMessage(std::string_view fileName, std::string_view reason);
// The system's text for an errno value, as a reason for the messages above.
std::string SystemReason(int error);
std::string ServerFailureMessage(std::string_view serverText);
std::string ForbiddenSheetCharacterMessage(std::string_view title, char character);
std::string LeadingApostropheMessage(std::string_view title);
std::string SheetNameTakenMessage(std::string_view title, std::string_view existing);
std::string HelperAbortedMessage(std::string_view why);

}  // namespace pixolyn
