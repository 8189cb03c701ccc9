#include "table/MetaInfo.h"

#include "metadata/ExifDecoder.h"
#include "metadata/IptcDate.h"
#include "metadata/IptcDecoder.h"
#include "metadata/TextUtil.h"
#include "table/DateTimeText.h"

namespace pixolyn {

namespace {
const char* const kPlaceholder = "- keine Daten vorhanden -";
const char* const kCreationDateLabel = "Erstelldatum";

bool StartsWithDigit(std::string_view text) {
  return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

// A row as a tag gives it: views of the tag's texts, or of a text made for the row.
struct TRowView {
  int16_t Group = 0;
  std::string_view Caption;
  std::string_view Value;
};

// The row of one line of a multi-line value: label, "=", value.
template <typename Sink>
void SettingLineRow(std::string_view line, Sink& sink) {
  line = TrimControlAndBlank(line);
  // An empty line has no first character; it yields no row like an empty entry.
  if (line.empty() || StartsWithDigit(line)) return;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) {
    sink(TRowView{.Group = 1, .Caption = line});
    return;
  }
  sink(TRowView{.Group = 1,
                .Caption = TrimControlAndBlank(line.substr(0, equals)),
                .Value = TrimControlAndBlank(line.substr(equals + 1))});
}

// Calls sink(row) for each row of the tags, in order, without copying their
// texts: the table copies each value once, into its cell.
template <typename Sink>
void ForEachInfoRow(std::span<const TTagEntry> tags, const RegionalSettings& regional,
                    Sink&& sink) {
  for (const TTagEntry& tag : tags) {
    if (TrimControlAndBlank(tag.Text).empty()) continue;
    if (tag.Text.find("\r\n") == std::string::npos) {
      const auto group = static_cast<int16_t>(tag.Group);
      if (tag.Label == kCreationDateLabel) {
        const std::string date = CreationDateText(tag.Text, regional);
        sink(TRowView{.Group = group, .Caption = tag.Label, .Value = date});
      } else {
        sink(TRowView{.Group = group, .Caption = tag.Label, .Value = tag.Text});
      }
      continue;
    }
    ForEachCrLfLine(tag.Text, [&sink](std::string_view line) { SettingLineRow(line, sink); });
  }
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

  void AddRow(std::string_view caption, std::string_view value) {
    const bool grows = nextRow_ + 1 > grid_.RowCount();
    grid_.SetRowCount(nextRow_ + 1);
    std::string indented;
    indented.reserve(caption.size() + 2);
    indented += "  ";
    indented += caption;
    grid_.SetCell(0, nextRow_, std::move(indented));
    grid_.SetCell(1, nextRow_, std::string(value));
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

namespace {
TImgData& FreshImage(std::unique_ptr<TImgData>& image, const RegionalSettings& regional) {
  if (image) {
    image->ResetImage();
    image.reset();
  }
  image = std::make_unique<TImgData>(regional);
  return *image;
}
}  // namespace

void LoadMetaInfo(const std::string& path, std::unique_ptr<TImgData>& image,
                  const RegionalSettings& regional) {
  FreshImage(image, regional).ReadImageFile(path);
}

void LoadMetaInfoFromBytes(const std::string& name, std::string_view bytes,
                           std::unique_ptr<TImgData>& image, const RegionalSettings& regional) {
  FreshImage(image, regional).DecodeBytes(name, bytes);
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

std::string CreationDateText(const std::string& text, const RegionalSettings& regional) {
  return DateTimeToText(IptcStrToDateTime(text, ""), regional);
}

std::vector<TInfo> TagListToInfo(std::span<const TTagEntry> tags,
                                 const RegionalSettings& regional) {
  std::vector<TInfo> rows;
  rows.reserve(tags.size());  // most tags give one row
  ForEachInfoRow(tags, regional, [&rows](const TRowView& row) {
    rows.push_back(
        TInfo{.Group = row.Group, .Caption = row.Caption, .Value = std::string(row.Value)});
  });
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
  static const RegionalSettings german;
  const RegionalSettings& regional = image ? image->Regional() : german;
  // Headers, spacers and placeholders besides the rows, and a comment of a few lines.
  constexpr std::size_t kFrameRows = 16;
  grid.ReserveRows(static_cast<int>(meta.IptcTags.size() + meta.ExifTags.size() + kFrameRows));

  fill.AddSection("Kommentar");
  if (meta.Comment.empty()) {
    fill.AddPlaceholder();
  } else {
    bool first = true;
    ForEachCrLfLine(meta.Comment, [&](std::string_view line) {
      fill.AddRow(first ? "Text" : "", line);
      first = false;
    });
  }

  fill.AddSection("IPTC-Daten");
  bool anyIptcRow = false;
  ForEachInfoRow(meta.IptcTags, regional, [&](const TRowView& row) {
    fill.AddRow(row.Caption, row.Value);
    anyIptcRow = true;
  });
  if (!anyIptcRow) fill.AddPlaceholder();

  fill.AddSection("EXIF-Daten (standard)");
  bool anyExifRow = false;
  ForEachInfoRow(meta.ExifTags, regional, [&](const TRowView& row) {
    if (row.Group == 0) fill.AddRow(row.Caption, row.Value);
    anyExifRow = true;
  });
  if (!anyExifRow) {
    fill.AddPlaceholder();
    return;
  }
  fill.AddSection("EXIF-Daten (kameraspezifisch)");
  fill.AddPlaceholder();
  fill.StepBack();
  ForEachInfoRow(meta.ExifTags, regional, [&](const TRowView& row) {
    if (row.Group == 1) fill.AddRow(row.Caption, row.Value);
  });
}

}  // namespace pixolyn
