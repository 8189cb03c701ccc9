#include "metadata/IptcDecoder.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "iptc/IptcTagTable.h"
#include "iptc/PhotoshopResources.h"
#include "metadata/Cp1252.h"
#include "metadata/ImageData.h"
#include "tiff/ByteView.h"

namespace pixolyn {

namespace {
constexpr std::string_view kPhotoshopSignature = "Photoshop 3.0";
// The scan needs a marker followed by record 2 or 8; record 1 (envelope) is passed over.
constexpr std::string_view kApplicationMarker("\x1C\x02", 2);
constexpr std::string_view kSubfileMarker("\x1C\x08", 2);
constexpr int64_t kDatasetHeaderSize = 4;  // record, dataset, two length bytes
constexpr uint16_t kIptcResourceId = 0x0404;
// Dataset 1:90 (coded character set) holding ESC % G: the texts are UTF-8.
constexpr std::string_view kCharacterSetDataset("\x1C\x01\x5A", 3);
constexpr std::string_view kUtf8Escape = "\x1B%G";

// Offset of the first marker at or after from that starts a record-2 or
// record-8 dataset; the size of the bytes if there is none.
int64_t FirstDatasetMarker(const ByteView& bytes, int64_t from) {
  const int64_t application = bytes.Find(kApplicationMarker, from);
  const int64_t subfile = bytes.Find(kSubfileMarker, from);
  if (application < 0 && subfile < 0) return static_cast<int64_t>(bytes.Size());
  if (application < 0) return subfile;
  if (subfile < 0) return application;
  return std::min(application, subfile);
}

// Whether a 1:90 dataset between from and to declares UTF-8 texts.
bool DeclaresUtf8(const ByteView& bytes, int64_t from, int64_t to) {
  const int64_t at = bytes.Find(kCharacterSetDataset, from);
  if (at < 0 || at >= to || !bytes.Fits(at + 3, 2)) return false;
  return bytes.CopyClamped(at + 5, bytes.U16(at + 3, true)) == kUtf8Escape;
}

// Repeats of a dataset are joined with ",".
void JoinValue(TTagEntry& entry, const std::string& value) {
  if (!value.empty()) entry.Text += "," + value;
}

// The dictionary row of (record, dataset), first match in row order; nullptr if none.
const TTagEntry* DictionaryRow(uint8_t record, uint8_t dataset) {
  for (const TTagEntry& row : IptcTagTable()) {
    if (row.Tag == dataset && row.RecordNumber == record) return &row;
  }
  return nullptr;
}
}  // namespace

int TIPTCdata::FindEntry(const std::string& name) const {
  return FindTagInListByName(Entries, Count, name);
}

void TIPTCdata::RemoveEntry(const std::string& name) {
  const int index = FindEntry(name);
  if (index < 0) return;
  Entries.erase(Entries.begin() + index);
  Entries.emplace_back();  // the vacated last slot
  --Count;
}

int TIPTCdata::SetEntry(const std::string& name, const std::string& value) {
  if (const int index = FindEntry(name); index >= 0) {
    if (!value.empty()) Entries[static_cast<std::size_t>(index)].Text = value;
    return index;
  }
  const int row = FindIptcTagByName(name);
  if (row < 0) return -1;
  TTagEntry entry = IptcTagTable()[static_cast<std::size_t>(row)];
  entry.Text = value;
  return AddEntry(entry);
}

int TIPTCdata::AppendEntry(const std::string& name, const std::string& value) {
  const int index = FindEntry(name);
  if (index < 0) return SetEntry(name, value);
  JoinValue(Entries[static_cast<std::size_t>(index)], value);
  return index;
}

int TIPTCdata::WriteEntry(const std::string& name, const std::string& value) {
  const int row = FindIptcTagByName(name);
  if (row < 0) return -1;
  const TTagEntry& definition = IptcTagTable()[static_cast<std::size_t>(row)];
  if (definition.RecordNumber == 2 && IsRepeatableDataset(definition.Tag)) {
    return SetEntry(name, value);
  }
  return AppendEntry(name, value);
}

std::string TIPTCdata::GetValue(const std::string& name, const std::string& defaultValue) const {
  const int index = FindEntry(name);
  return index < 0 ? defaultValue : Entries[static_cast<std::size_t>(index)].Text;
}

bool TIPTCdata::ReadFile(const std::string& fileName) {
  Reset();
  // Having the owner read the file would free this very decoder with the
  // owner's old decoders; a record of its own leaves the owner as it is.
  TImgData image;
  image.DecodeFile(fileName);
  if (image.HasIptc()) DecodeText(image.IptcSection->SegmentData);
  return HasData();
}

TTagEntry TIPTCdata::GetEntry(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= Entries.size()) return {};
  return Entries[static_cast<std::size_t>(index)];
}

int TIPTCdata::FindIptcTagByName(const std::string& name) {
  const TTagDefArray& table = IptcTagTable();
  return FindTagInListByName(table, static_cast<int>(table.size()), name);
}

int TIPTCdata::AddEntry(const TTagEntry& entry) {
  const int index = AppendToTagList(Entries, Count, entry);
  Capacity = static_cast<int>(Entries.size());
  return index;
}

void TIPTCdata::DecodeSegment() {
  if (!Owner || !Owner->IptcSection) {
    Reset();
    return;
  }
  DecodeText(Owner->IptcSection->SegmentData);
}

void TIPTCdata::DecodeText(std::string data) {
  Reset();
  IptcBuffer = std::move(data);
  // Without the signature the scan starts at offset 12 (-1 + 13).
  const int64_t signature = ByteView(IptcBuffer).Find(kPhotoshopSignature);
  int64_t scanStart = signature + static_cast<int64_t>(kPhotoshopSignature.size());
  // Where the resource blocks can be walked, the record is the IPTC resource
  // alone: dataset markers inside other resources (a thumbnail) do not count.
  if (signature >= 0) {
    if (const auto record = FindPhotoshopResource(IptcBuffer, scanStart + 1, kIptcResourceId)) {
      IptcBuffer = std::string(*record);
      scanStart = 0;
    }
  }
  const ByteView bytes(IptcBuffer);
  const auto size = static_cast<int64_t>(bytes.Size());
  const int64_t firstMarker = FirstDatasetMarker(bytes, scanStart);
  utf8Texts_ = DeclaresUtf8(bytes, scanStart, firstMarker);
  int64_t offset = firstMarker + 1;
  // The entry each repeatable dataset is joined into, once its first
  // occurrence has made it: a segment of many datasets is then not searched
  // again for every repeat.
  std::array<int, RepeatableDatasets.size()> joined;
  joined.fill(-1);
  // Each dataset moves the offset on by at least five bytes.
  while (offset + 3 < size) {
    TTagEntry entry;
    ReadDataset(offset, entry);
    const auto repeatable =
        std::find(RepeatableDatasets.begin(), RepeatableDatasets.end(), entry.Tag);
    if (repeatable == RepeatableDatasets.end()) {
      AddEntry(entry);
      continue;
    }
    int& index = joined[static_cast<std::size_t>(repeatable - RepeatableDatasets.begin())];
    if (index < 0) {
      index = AppendEntry(std::string(entry.Name), entry.Text);
    } else {
      JoinValue(Entries[static_cast<std::size_t>(index)], entry.Text);
    }
  }
}

void TIPTCdata::Reset() {
  Count = 0;
  utf8Texts_ = false;
  std::fill(Entries.begin(), Entries.end(), TTagEntry{});
}

void TIPTCdata::ReadDataset(int64_t& offset, TTagEntry& entry) const {
  entry = TTagEntry{};
  const ByteView bytes(IptcBuffer);
  if (!bytes.Fits(offset, kDatasetHeaderSize)) {
    offset = std::max(offset, static_cast<int64_t>(bytes.Size()));
    return;
  }
  const uint8_t record = bytes.U8(offset);
  const uint8_t dataset = bytes.U8(offset + 1);
  // Extended lengths (top bit set) are not recognised: the field is a plain length.
  const uint16_t length = bytes.U16(offset + 2, true);
  offset += kDatasetHeaderSize;
  if (record == 2 || record == 8) {
    const TTagEntry* row = DictionaryRow(record, dataset);
    if (row && row->Name != "SKIP") {
      entry = *row;
      entry.Text = bytes.CopyClamped(offset, length);
      // Every output shows Unicode: a UTF-8 record keeps each character.
      if (utf8Texts_) entry.Text = ValidUtf8(entry.Text);
    }
  }
  // The byte after the data is taken as the next marker whatever it holds.
  offset += int64_t{length} + 1;
}

}  // namespace pixolyn
