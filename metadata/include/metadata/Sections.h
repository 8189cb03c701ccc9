#pragma once
// The sections of a picture's metadata, the one product every output shows
// (viewer grid, clipboard, workbook, catalogue, pixolyn-info): the comment,
// the IPTC record, the standard EXIF tags, the maker's tags and the XMP
// packet, each an ordered list of rows of caption and value. Texts are UTF-8.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "metadata/Regional.h"
#include "metadata/TagEntry.h"

namespace pixolyn {

class TImgData;
struct TXmpChunk;

enum class TSectionKind : uint8_t { Comment, Iptc, ExifStandard, ExifMaker, Xmp };

// "Kommentar", "IPTC-Daten", "EXIF-Daten (standard)", "EXIF-Daten (kameraspezifisch)",
// "XMP-Daten".
std::string_view SectionTitle(TSectionKind kind);

// The row that stands in a section without rows where the section shows one.
inline constexpr std::string_view kNoDataCaption = "- keine Daten vorhanden -";

// A row's caption. Most are a tag's label, whose UTF-8 text lives as long as
// the program and is only referred to; the lines of a multi-line value make
// their own.
class TCaption {
 public:
  TCaption() = default;
  TCaption(std::string text) : own_(std::move(text)) {}
  TCaption(const char* text) : own_(text) {}
  // text must outlive every picture: a constant.
  static TCaption Constant(std::string_view text) {
    TCaption caption;
    caption.constant_ = text;
    return caption;
  }

  std::string_view View() const { return constant_.empty() ? std::string_view(own_) : constant_; }
  operator std::string_view() const { return View(); }
  bool empty() const { return View().empty(); }
  friend bool operator==(const TCaption& a, std::string_view b) { return a.View() == b; }

 private:
  std::string_view constant_;
  std::string own_;
};

struct TSectionRow {
  // The tag's Group; 1 for the lines of a multi-line value. XMP rows: 0 for
  // the captioned properties, 1 for those under a qualified name.
  int16_t Group = 0;
  TCaption Caption;  // empty: the row continues the caption before it
  std::string Value;
};

// Joins the lines of a value where they share one cell.
inline constexpr std::string_view kJoinedLinesSeparator = " | ";

struct TMetaSection {
  TSectionKind Kind = TSectionKind::Comment;
  std::vector<TSectionRow> Rows;
  // The IPTC rows as a catalogue takes them, when a dataset holds several
  // lines: one row per dataset, its lines joined; empty when Rows serve.
  std::vector<TSectionRow> JoinedRows;
  // No rows, and the placeholder row shows instead. The standard EXIF
  // section of a picture with maker rows alone shows neither.
  bool ShowsPlaceholder = false;
};

// In order: comment, IPTC, standard EXIF, the maker section only when the
// picture has any EXIF row, and XMP.
using TMetaSections = std::vector<TMetaSection>;

// What a picture's record holds for the sections, as the decoders keep it
// (Windows-1252 unless said otherwise). The lists are the decoders' whole
// storages, shared rather than copied.
struct TCollectedMeta {
  std::string Comment;
  std::span<const TTagEntry> IptcTags;
  bool IptcTextsAreUtf8 = false;
  std::span<const TTagEntry> ExifTags;
  std::string_view Xmp;  // the standard packet (UTF-8 as written)
  std::span<const TXmpChunk> XmpChunks;
};

// Decodes the record's IPTC segment afresh and collects; all empty without a record.
TCollectedMeta CollectMetaInfo(TImgData* image);

// How the Text of a tag list is encoded; labels are always Windows-1252.
enum class TTextCoding : uint8_t { Cp1252, Utf8 };

// The rows of a tag list: one per tag whose Text is not blank, and one per
// line of a multi-line Text (label "=" value; lines beginning with a digit
// give none). The IPTC "Erstelldatum" shows as a date in the regional format.
std::vector<TSectionRow> TagListRows(std::span<const TTagEntry> tags,
                                     TTextCoding texts = TTextCoding::Cp1252,
                                     const RegionalSettings& regional = {});

// The sections of the record, in its regional formats; those of no picture without one.
TMetaSections BuildSections(TImgData* image);

}  // namespace pixolyn
