#include "sections/TagRows.h"

#include "metadata/Cp1252.h"
#include "metadata/IptcDate.h"
#include "metadata/TextUtil.h"

namespace pixolyn {

namespace {
constexpr std::string_view kCreationDateLabel = "Erstelldatum";

bool StartsWithDigit(std::string_view text) {
  return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

// Every rule before here looks at ASCII bytes only, so it counts alike in
// either coding; the conversion comes last.
std::string ToUtf8(std::string_view text, TTextCoding coding) {
  return coding == TTextCoding::Utf8 ? std::string(text) : Cp1252ToUtf8(text);
}

// The row of one line of a multi-line value: label, "=", value.
void SettingLineRow(std::string_view line, TTextCoding coding,
                    const std::function<void(TSectionRow&&)>& sink) {
  line = TrimControlAndBlank(line);
  // An empty line has no first character; it yields no row like an empty entry.
  if (line.empty() || StartsWithDigit(line)) return;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) {
    sink({.Group = 1, .Caption = ToUtf8(line, coding)});
    return;
  }
  sink({.Group = 1,
        .Caption = ToUtf8(TrimControlAndBlank(line.substr(0, equals)), coding),
        .Value = ToUtf8(TrimControlAndBlank(line.substr(equals + 1)), coding)});
}
// The lines of a multi-line value, trimmed, without the empty ones, joined.
std::string JoinedLines(std::string_view text) {
  std::string joined;
  ForEachCrLfLine(text, [&joined](std::string_view line) {
    line = TrimControlAndBlank(line);
    if (line.empty()) return;
    if (!joined.empty()) joined += kJoinedLinesSeparator;
    joined += line;
  });
  return joined;
}
}  // namespace

void ForEachTagRow(std::span<const TTagEntry> tags, TTextCoding texts,
                   const RegionalSettings& regional, const std::function<void(TSectionRow&&)>& sink,
                   TLines lines) {
  for (const TTagEntry& tag : tags) {
    if (TrimControlAndBlank(tag.Text).empty()) continue;
    if (tag.Text.find("\r\n") != std::string::npos) {
      if (lines == TLines::Joined) {
        sink({.Group = static_cast<int16_t>(tag.Group),
              .Caption = TCaption::Constant(ConstantUtf8(tag.Label)),
              .Value = ToUtf8(JoinedLines(tag.Text), texts)});
        continue;
      }
      ForEachCrLfLine(tag.Text, [&](std::string_view line) { SettingLineRow(line, texts, sink); });
      continue;
    }
    const bool isDate = tag.Label == kCreationDateLabel;
    sink({.Group = static_cast<int16_t>(tag.Group),
          .Caption = TCaption::Constant(ConstantUtf8(tag.Label)),
          .Value = isDate ? Cp1252ToUtf8(CreationDateText(tag.Text, regional))
                          : ToUtf8(tag.Text, texts)});
  }
}

std::vector<TSectionRow> TagListRows(std::span<const TTagEntry> tags, TTextCoding texts,
                                     const RegionalSettings& regional) {
  std::vector<TSectionRow> rows;
  rows.reserve(tags.size());  // most tags give one row
  ForEachTagRow(tags, texts, regional,
                [&rows](TSectionRow&& row) { rows.push_back(std::move(row)); });
  return rows;
}

}  // namespace pixolyn
