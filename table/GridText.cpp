#include "table/GridText.h"

#include <algorithm>
#include <cctype>

#include "metadata/Cp1252.h"
#include "metadata/TextUtil.h"
#include "table/MetaInfo.h"

namespace pixolyn {

namespace {
bool IsControl(char c) {
  return static_cast<unsigned char>(c) < 0x20;
}

// Whether the cell goes in as it is: no control character and no rich text.
bool IsPlainCell(std::string_view cell) {
  if (std::any_of(cell.begin(), cell.end(), IsControl)) return false;
  for (auto brace = cell.find('{'); brace != std::string_view::npos;
       brace = cell.find('{', brace + 1)) {
    if (brace + 1 < cell.size() && cell[brace + 1] == '\\') return false;
  }
  return true;
}

// A TAB, CR or LF would split the cell or its line; other control
// characters would reach the terminal.
char TabTextCharacter(char c) {
  if (c == '\t' || c == '\r' || c == '\n') return ' ';
  return IsControl(c) ? '.' : c;
}

// Appends the cell (indent and text) as a tab-separated line takes it; most
// cells go in unchanged. Rich text gives its plain text. An indent is blanks alone.
void AppendTabCell(std::string& out, std::string_view indent, std::string_view text) {
  if (!indent.empty()) out += indent;
  if (IsPlainCell(text)) {
    out += text;
    return;
  }
  const std::string plain =
      text.find("{\\") != std::string_view::npos ? RichTextToPlain(text) : std::string(text);
  for (std::size_t i = 0; i < plain.size(); ++i) {
    // A CR LF pair is one line break, and one blank.
    if (plain[i] == '\r' && i + 1 < plain.size() && plain[i + 1] == '\n') continue;
    out += TabTextCharacter(plain[i]);
  }
}

void AppendRow(std::string& out, std::string_view indent, std::string_view caption,
               std::string_view value, std::string_view lineEnd) {
  AppendTabCell(out, indent, caption);
  out += '\t';
  AppendTabCell(out, {}, value);
  for (const char c : lineEnd) out += c;  // one or two bytes: cheaper than a memcpy call
}

// Destinations whose text is not part of the document's plain text.
bool IsIgnoredDestination(std::string_view word) {
  return word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info" ||
         word == "pict" || word == "header" || word == "footer" || word == "*";
}
}  // namespace

std::string CellForWorkbook(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c != '\r') out += TabTextCharacter(c);
  }
  return out;
}

std::string TabTextCell(std::string_view text) {
  std::string out;
  AppendTabCell(out, {}, text);
  return out;
}

std::string RichTextToPlain(std::string_view rtf) {
  std::string out;
  int depth = 0;
  int skipDepth = -1;  // group depth below which text is dropped
  const std::size_t n = rtf.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = rtf[i];
    const bool skipping = skipDepth >= 0 && depth >= skipDepth;
    if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (skipDepth >= 0 && depth <= skipDepth) skipDepth = -1;
      if (depth > 0) --depth;
    } else if (c == '\\' && i + 1 < n) {
      const char next = rtf[i + 1];
      if (next == '\\' || next == '{' || next == '}') {
        if (!skipping) out += next;
        ++i;
      } else if (next == '\'' && i + 3 < n && HexDigitValue(rtf[i + 2]) >= 0 &&
                 HexDigitValue(rtf[i + 3]) >= 0) {
        if (!skipping) {
          // The fragment's bytes are Windows-1252 characters; the table's texts are UTF-8.
          const auto byte =
              static_cast<char>(HexDigitValue(rtf[i + 2]) * 16 + HexDigitValue(rtf[i + 3]));
          out += Cp1252ToUtf8(std::string_view(&byte, 1));
        }
        i += 3;
      } else if (next == '*') {
        if (skipDepth < 0) skipDepth = depth;
        ++i;
      } else if (std::isalpha(static_cast<unsigned char>(next))) {
        std::size_t j = i + 1;
        while (j < n && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
        const std::string_view word = rtf.substr(i + 1, j - i - 1);
        if (j < n && (rtf[j] == '-' || std::isdigit(static_cast<unsigned char>(rtf[j])))) {
          ++j;
          while (j < n && std::isdigit(static_cast<unsigned char>(rtf[j]))) ++j;
        }
        if (j < n && rtf[j] == ' ') ++j;  // the delimiter belongs to the control word
        if (!skipping) {
          if (IsIgnoredDestination(word)) {
            skipDepth = depth;
          } else if (word == "par" || word == "line") {
            out += "\r\n";
          } else if (word == "tab") {
            out += '\t';
          }
        }
        i = j - 1;
      } else {
        ++i;  // other control symbols carry no text
      }
    } else if (c == '\r' || c == '\n') {
      // line breaks in RTF source are not text
    } else if (!skipping) {
      out += c;
    }
  }
  // A trailing paragraph mark ends the text rather than adding an empty line.
  while (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0) out.resize(out.size() - 2);
  return out;
}

void AppendTabText(std::string& out, const TMetaTable& grid, std::string_view lineEnd) {
  const int rows = grid.RowCount();
  std::size_t size = 0;
  for (int row = 0; row < rows; ++row) {
    const TMetaTable::Row cells = grid.RowCells(row);
    size += cells[0].size() + cells[1].size() + 1 + lineEnd.size();
  }
  // The texts lie in one buffer: when none of it needs a second look, no cell
  // does, and the rows go straight into their room.
  if (!IsPlainCell(grid.AllText())) {
    out.reserve(out.size() + size);
    for (int row = 0; row < rows; ++row) {
      const TMetaTable::Row cells = grid.RowCells(row);
      AppendRow(out, {}, cells[0], cells[1], lineEnd);
    }
    return;
  }
  const std::size_t start = out.size();
  out.resize(start + size);
  char* at = out.data() + start;
  for (int row = 0; row < rows; ++row) {
    const TMetaTable::Row cells = grid.RowCells(row);
    at = std::copy(cells[0].begin(), cells[0].end(), at);
    *at++ = '\t';
    at = std::copy(cells[1].begin(), cells[1].end(), at);
    at = std::copy(lineEnd.begin(), lineEnd.end(), at);
  }
}

void AppendTabText(std::string& out, const TMetaSections& sections, std::string_view lineEnd) {
  ForEachGridRow(sections, [&out, lineEnd](const TGridRow& row) {
    AppendRow(out, row.Indent, row.Caption, row.Value, lineEnd);
  });
}

std::string GridToTabText(const TMetaTable& grid) {
  std::string text;
  AppendTabText(text, grid, "\r\n");
  return text;
}

}  // namespace pixolyn
