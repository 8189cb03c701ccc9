#include "app/AppText.h"

#include <QFile>

#include "metadata/Cp1252.h"

namespace pixolyn {

QString FromCp1252(std::string_view text) {
  return FromUtf8(Cp1252ToUtf8(text));
}

QString FromUtf8(std::string_view text) {
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

QString FromNative(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToNative(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString FormatMessage(std::string_view pattern, std::initializer_list<QString> args) {
  QString result;
  auto arg = args.begin();
  while (!pattern.empty()) {
    const auto at = pattern.find('%');
    const bool conversion = at != std::string_view::npos && at + 1 < pattern.size() &&
                            (pattern[at + 1] == 's' || pattern[at + 1] == 'd');
    if (!conversion) {
      const auto keep = at == std::string_view::npos ? pattern.size() : at + 1;
      result += FromCp1252(pattern.substr(0, keep));
      pattern.remove_prefix(keep);
      continue;
    }
    result += FromCp1252(pattern.substr(0, at));
    if (arg != args.end()) result += *arg++;
    pattern.remove_prefix(at + 2);
  }
  return result;
}

AppError::AppError(QString message)
    : std::runtime_error(message.toStdString()), message_(std::move(message)) {}

}  // namespace pixolyn
