#include "app/IniFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "metadata/ImageData.h"
#include "metadata/TextUtil.h"

namespace pixolyn {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A line without its line end.
std::string_view Content(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(Content(line));
  if (line.empty() || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view Key;
  std::string_view Value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  line = Content(line);
  const auto trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view value = TrimBlanks(line.substr(equals + 1));
  // A value in a pair of quotes is read without them.
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return KeyLine{TrimBlanks(line.substr(0, equals)), value};
}

// No settings file comes near; a larger one is not read.
constexpr int64_t kMaxIniFileSize = int64_t{16} * 1024 * 1024;

// The file as lines, each without its "\n"; empty when it cannot be read. A
// pipe or device of that name is never waited on: it counts as no file, which
// is noted once on standard error.
std::vector<std::string> ReadLines(const std::string& path) {
  std::string text;
  int error = 0;
  if (!ReadRegularFile(path, kMaxIniFileSize, text, error) && error == kNotRegularFile) {
    static std::atomic<bool> noted{false};
    if (!noted.exchange(true)) {
      std::fprintf(stderr,
                   "pixolyn: %s ist keine gew\u00f6hnliche Datei; es gelten die Voreinstellungen\n",
                   path.c_str());
    }
  }
  std::vector<std::string> lines;
  std::string_view rest = text;
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    lines.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  return lines;
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  // Written beside the file and moved over it, so that a failed write leaves the old file whole.
  // The name is ours: whatever stands there (a stale file, a pipe) is removed, and the new
  // file is created afresh, so that the write never waits on a special file.
  const std::string temporary = path + ".tmp";
  std::remove(temporary.c_str());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  std::string text;
  for (const auto& line : lines) text.append(line).push_back('\n');
  std::string_view rest = text;
  while (!rest.empty()) {
    const ssize_t written = ::write(fd, rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  const bool closed = ::close(fd) == 0;
  const bool whole = rest.empty() && closed;
  if (!whole || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

// The line range [Header, End) of a section: its header line and its lines up to the next section.
struct SectionRange {
  std::size_t Header;
  std::size_t End;
};

std::optional<SectionRange> FindSection(const std::vector<std::string>& lines,
                                        std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !EqualsIgnoringAsciiCase(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, SectionRange range,
                                   std::string_view key) {
  for (std::size_t i = range.Header + 1; i < range.End; ++i) {
    const auto parsed = ParseKeyLine(lines[i]);
    if (parsed && EqualsIgnoringAsciiCase(parsed->Key, key)) return i;
  }
  return std::nullopt;
}

// Keeps a file's CR LF line ends on the lines written into it.
std::string LineEnd(const std::vector<std::string>& lines) {
  return !lines.empty() && !lines.front().empty() && lines.front().back() == '\r' ? "\r" : "";
}

}  // namespace

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
  const auto lines = ReadLines(path_);
  const auto range = FindSection(lines, section);
  if (!range) return std::string(fallback.substr(0, kMaxValueLength));
  const auto index = FindKey(lines, *range, key);
  if (!index) return std::string(fallback.substr(0, kMaxValueLength));
  return std::string(ParseKeyLine(lines[*index])->Value.substr(0, kMaxValueLength));
}

bool TIniFile::WriteString(std::string_view section, std::string_view key,
                           std::string_view value) const {
  value = value.substr(0, value.find_first_of("\r\n"));
  auto lines = ReadLines(path_);
  const std::string end = LineEnd(lines);
  const std::string keyLine = std::string(key) + "=" + std::string(value) + end;
  const auto range = FindSection(lines, section);
  if (!range) {
    if (!lines.empty() && !TrimBlanks(Content(lines.back())).empty()) lines.push_back(end);
    lines.push_back("[" + std::string(section) + "]" + end);
    lines.push_back(keyLine);
  } else if (const auto index = FindKey(lines, *range, key)) {
    lines[*index] = keyLine;
  } else {
    // After the section's last line that is not blank, so that a blank line
    // before the next section stays where it is.
    std::size_t at = range->End;
    while (at > range->Header + 1 && TrimBlanks(Content(lines[at - 1])).empty()) --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), keyLine);
  }
  return WriteLines(path_, lines);
}

}  // namespace pixolyn
