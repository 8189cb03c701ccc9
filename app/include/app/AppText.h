#pragma once
// The edge between the system's texts and Qt: Windows-1252 texts (labels,
// messages, table cells) and native file-name bytes become QStrings here.

#include <QString>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pixolyn {

// A Windows-1252 text with its CR LF line breaks as Qt's line breaks.
QString FromCp1252(std::string_view text);
// A UTF-8 text of the table, CR LF shown as one line break as FromCp1252 does.
QString FromUtf8(std::string_view text);

// File names are native bytes (the engine and the file search use them as they are).
QString FromNative(const std::string& path);
std::string ToNative(const QString& path);

// Fills the "%s" and "%d" conversions of a Windows-1252 pattern with args, in order.
QString FormatMessage(std::string_view pattern, std::initializer_list<QString> args);

// A failure of a window's handler: shown in a message box by the event that
// ran the handler; the handler stops at the failing step.
class AppError : public std::runtime_error {
 public:
  explicit AppError(QString message);
  const QString& Message() const { return message_; }

 private:
  QString message_;
};

}  // namespace pixolyn
