#include "table/MetaInfo.h"

#include "metadata/ExifDecoder.h"
#include "metadata/IptcDate.h"
#include "metadata/IptcDecoder.h"
#include "metadata/TextUtil.h"
#include "table/DateTimeText.h"

namespace pixolyn {

namespace {
constexpr int kBuildModeAll = 255;
const char* const kPlaceholder = "- keine Daten vorhanden -";
const char* const kCreationDateLabel = "Erstelldatum";

bool StartsWithDigit(std::string_view text) {
  return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

// Rows of one line of a multi-line value: label, "=", value.
void AppendSettingLine(std::vector<TInfo>& rows, std::string_view line) {
  line = TrimControlAndBlank(line);
  // An empty line has no first character; it yields no row like an empty entry.
  if (line.empty() || StartsWithDigit(line)) return;
  TInfo row;
  row.Group = 1;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) {
    row.Caption = line;
  } else {
    row.Caption = TrimControlAndBlank(line.substr(0, equals));
    row.Value = std::string(TrimControlAndBlank(line.substr(equals + 1)));
  }
  rows.push_back(std::move(row));
}

class GridFiller {
 public:
  GridFiller(TMetaTable& grid, TIntArray& sectionRows) : grid_(grid), sectionRows_(sectionRows) {}

  void AddSection(const std::string& caption) {
    ++nextRow_;
    sectionRows_.push_back(nextRow_);
    grid_.SetRowCount(nextRow_ + 2);
    grid_.SetCell(0, nextRow_, caption);
    grid_.SetCell(1, nextRow_, "");
    ++nextRow_;
    ClearRow(nextRow_);
  }

  void AddRow(std::string_view caption, std::string value) {
    const bool grows = nextRow_ + 1 > grid_.RowCount();
    grid_.SetRowCount(nextRow_ + 1);
    std::string indented;
    indented.reserve(caption.size() + 2);
    indented += "  ";
    indented += caption;
    grid_.SetCell(0, nextRow_, std::move(indented));
    grid_.SetCell(1, nextRow_, std::move(value));
    ++nextRow_;
    // Just beyond the count: the next section's spacer. A table that grew
    // has a new, empty row there already.
    if (!grows) ClearRow(nextRow_);
  }

  void AddPlaceholder() { AddRow(kPlaceholder, ""); }
  void StepBack() { --nextRow_; }

 private:
  void ClearRow(int row) {
    grid_.SetCell(0, row, std::string());
    grid_.SetCell(1, row, std::string());
  }

  TMetaTable& grid_;
  TIntArray& sectionRows_;
  int nextRow_ = 0;
};
}  // namespace

void LoadMetaInfo(const std::string& path, std::unique_ptr<TImgData>& image) {
  if (image) {
    image->ResetImage();
    image.reset();
  }
  image = std::make_unique<TImgData>(kBuildModeAll);
  image->BuildMode = kBuildModeAll;
  image->ReadImageFile(path);
}

TCollectedMeta CollectMetaInfo(TImgData* image) {
  TCollectedMeta meta;
  if (!image) return meta;
  if (image->HasComment()) meta.Comment = image->GetComment();
  if (image->HasIptc() && image->IptcInfo) {
    image->IptcInfo->DecodeSegment();
    meta.IptcTags = image->IptcInfo->Entries;
  }
  if (image->HasExif() && image->ExifInfo) meta.ExifTags = image->ExifInfo->TagList;
  return meta;
}

std::string CreationDateText(const std::string& text) {
  return DateTimeToText(IptcStrToDateTime(text, ""));
}

std::vector<TInfo> TagListToInfo(std::span<const TTagEntry> tags) {
  std::vector<TInfo> rows;
  rows.reserve(tags.size());  // most tags give one row
  for (const TTagEntry& tag : tags) {
    if (TrimControlAndBlank(tag.Text).empty()) continue;
    if (tag.Text.find("\r\n") == std::string::npos) {
      TInfo row;
      row.Group = static_cast<int16_t>(tag.Group);
      row.Caption = tag.Label;
      row.Value = tag.Label == kCreationDateLabel ? CreationDateText(tag.Text) : tag.Text;
      rows.push_back(std::move(row));
      continue;
    }
    ForEachCrLfLine(tag.Text, [&rows](std::string_view line) { AppendSettingLine(rows, line); });
  }
  return rows;
}

void ShowMetaInfo(TMetaTable& grid, TImgData* image, TIntArray& sectionRows) {
  sectionRows.clear();
  grid.SetRowCount(2);
  grid.SetColWidth(0, 160);
  grid.SetColWidth(1, 2000);
  grid.SetCell(0, 0, " Feldbezeichnung");
  grid.SetCell(1, 0, " Dateninhalte");
  GridFiller fill(grid, sectionRows);

  const TCollectedMeta meta = CollectMetaInfo(image);
  // The rows are used once: their values move into the grid.
  std::vector<TInfo> iptcRows = TagListToInfo(meta.IptcTags);
  std::vector<TInfo> exifRows = TagListToInfo(meta.ExifTags);
  // Headers, spacers and placeholders besides the rows, and a comment of a few lines.
  constexpr std::size_t kFrameRows = 16;
  grid.ReserveRows(static_cast<int>(iptcRows.size() + exifRows.size() + kFrameRows));

  fill.AddSection("Kommentar");
  if (meta.Comment.empty()) {
    fill.AddPlaceholder();
  } else {
    bool first = true;
    ForEachCrLfLine(meta.Comment, [&](std::string_view line) {
      fill.AddRow(first ? "Text" : "", std::string(line));
      first = false;
    });
  }

  fill.AddSection("IPTC-Daten");
  if (iptcRows.empty()) fill.AddPlaceholder();
  for (TInfo& row : iptcRows) fill.AddRow(row.Caption, std::move(row.Value));

  fill.AddSection("EXIF-Daten (standard)");
  if (exifRows.empty()) {
    fill.AddPlaceholder();
    return;
  }
  for (TInfo& row : exifRows) {
    if (row.Group == 0) fill.AddRow(row.Caption, std::move(row.Value));
  }
  fill.AddSection("EXIF-Daten (kameraspezifisch)");
  fill.AddPlaceholder();
  fill.StepBack();
  for (TInfo& row : exifRows) {
    if (row.Group == 1) fill.AddRow(row.Caption, std::move(row.Value));
  }
}

}  // namespace pixolyn
