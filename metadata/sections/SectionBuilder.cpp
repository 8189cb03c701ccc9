#include <algorithm>
#include <array>

#include "metadata/Cp1252.h"
#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"
#include "metadata/IptcDecoder.h"
#include "metadata/Sections.h"
#include "metadata/TextUtil.h"
#include "sections/TagRows.h"
#include "xmp/XmpSection.h"

namespace pixolyn {

namespace {
constexpr std::array<std::string_view, 5> kTitles = {"Kommentar", "IPTC-Daten",
                                                     "EXIF-Daten (standard)",
                                                     "EXIF-Daten (kameraspezifisch)", "XMP-Daten"};

// The comment's lines, neither trimmed nor filtered: the first under "Text",
// the others continuing it. A comment that is well-formed UTF-8 beyond ASCII
// was written in it; any other is Windows-1252.
TMetaSection CommentSection(std::string_view comment) {
  TMetaSection section{.Kind = TSectionKind::Comment};
  const bool utf8 = IsUtf8(comment);
  ForEachCrLfLine(comment, [&section, utf8](std::string_view line) {
    section.Rows.push_back({.Caption = section.Rows.empty() ? "Text" : "",
                            .Value = utf8 ? std::string(line) : Cp1252ToUtf8(line)});
  });
  section.ShowsPlaceholder = section.Rows.empty();
  return section;
}

}  // namespace

std::string_view SectionTitle(TSectionKind kind) {
  return kTitles.at(static_cast<std::size_t>(kind));
}

TCollectedMeta CollectMetaInfo(TImgData* image) {
  TCollectedMeta meta;
  if (!image) return meta;
  if (image->HasComment()) meta.Comment = image->GetComment();
  if (image->HasIptc() && image->IptcInfo) {
    image->IptcInfo->DecodeSegment();
    meta.IptcTags = image->IptcInfo->Entries;
    meta.IptcTextsAreUtf8 = image->IptcInfo->TextsAreUtf8();
  }
  if (image->HasExif() && image->ExifInfo) meta.ExifTags = image->ExifInfo->TagList;
  meta.Xmp = image->XmpPacket();
  meta.XmpChunks = image->XmpChunks;
  return meta;
}

TMetaSections BuildSections(TImgData* image) {
  const TCollectedMeta meta = CollectMetaInfo(image);
  const RegionalSettings& regional = RegionalOf(image);
  TMetaSections sections;
  sections.reserve(kTitles.size());
  sections.push_back(CommentSection(meta.Comment));

  TMetaSection& iptc = sections.emplace_back(TMetaSection{.Kind = TSectionKind::Iptc});
  const TTextCoding iptcCoding = meta.IptcTextsAreUtf8 ? TTextCoding::Utf8 : TTextCoding::Cp1252;
  iptc.Rows = TagListRows(meta.IptcTags, iptcCoding, regional);
  iptc.ShowsPlaceholder = iptc.Rows.empty();
  if (std::any_of(meta.IptcTags.begin(), meta.IptcTags.end(), [](const TTagEntry& tag) {
        return tag.Text.find("\r\n") != std::string::npos;
      })) {
    ForEachTagRow(
        meta.IptcTags, iptcCoding, regional,
        [&iptc](TSectionRow&& row) { iptc.JoinedRows.push_back(std::move(row)); }, TLines::Joined);
  }

  TMetaSection standard{.Kind = TSectionKind::ExifStandard};
  TMetaSection maker{.Kind = TSectionKind::ExifMaker};
  // Most tags give one row, in either section.
  standard.Rows.reserve(meta.ExifTags.size());
  maker.Rows.reserve(meta.ExifTags.size());
  bool anyExifRow = false;
  ForEachTagRow(meta.ExifTags, TTextCoding::Cp1252, regional, [&](TSectionRow&& row) {
    anyExifRow = true;
    // Rows of any other group are shown nowhere.
    if (row.Group == 0) {
      standard.Rows.push_back(std::move(row));
    } else if (row.Group == 1) {
      maker.Rows.push_back(std::move(row));
    }
  });
  // Without any EXIF row the maker section is left out altogether.
  standard.ShowsPlaceholder = !anyExifRow;
  sections.push_back(std::move(standard));
  if (anyExifRow) {
    maker.ShowsPlaceholder = maker.Rows.empty();
    sections.push_back(std::move(maker));
  }
  TMetaSection& xmp = sections.emplace_back(TMetaSection{.Kind = TSectionKind::Xmp});
  xmp.Rows = XmpSectionRows(meta.Xmp, meta.XmpChunks);
  xmp.ShowsPlaceholder = xmp.Rows.empty();
  return sections;
}

}  // namespace pixolyn
