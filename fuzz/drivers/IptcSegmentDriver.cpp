#include <string>

#include "fuzz/drivers/FuzzChecks.h"
#include "fuzz/drivers/FuzzDrivers.h"
#include "fuzz/drivers/FuzzInput.h"
#include "fuzz/drivers/InputLayout.h"
#include "iptc/IptcTagTable.h"
#include "metadata/IptcDecoder.h"
#include "metadata/TextUtil.h"
#include "table/MetaInfo.h"

namespace pixolyn::fuzz {

namespace {
// A dictionary name in its own, upper or lower case, or any text.
std::string TakeName(TFuzzInput& input) {
  const uint8_t pick = input.TakeByte();
  const TTagDefArray& table = IptcTagTable();
  const std::size_t row = pick % table.size();
  switch (pick / table.size()) {
    case 0:
      return std::string(table[row].Name);
    case 1:
      return UpperAscii(table[row].Name);
    case 2:
      return LowerAscii(table[row].Name);
    default:
      return input.TakeText();
  }
}

void RequireSoundStorage(const TIPTCdata& iptc) {
  RequireSoundTagList(iptc.Entries, iptc.Count);
  Require(static_cast<std::size_t>(iptc.Capacity) == iptc.Entries.size(),
          "capacity is not the storage size");
  Require(iptc.Count == 0 || iptc.Capacity > iptc.Count, "no empty slot behind the entries");
}

// A value set under a name is what the name reads back. (The index of a name
// that stores nothing, such as "SKIP", is that of the last entry.)
void RequireStored(const TIPTCdata& iptc, int index, const std::string& name,
                   const std::string& value) {
  if (index < 0 || index >= iptc.Count || value.empty() ||
      !EqualsIgnoringAsciiCase(iptc.GetEntry(index).Name, name)) {
    return;
  }
  Require(iptc.GetValue(name, "") == value, "set value does not read back");
}

void Edit(TIPTCdata& iptc, TFuzzInput& input) {
  const auto edit =
      static_cast<TIptcEdit>(input.TakeByte() % static_cast<uint8_t>(TIptcEdit::Count));
  const std::string name = TakeName(input);
  const std::string value = input.TakeText();
  switch (edit) {
    case TIptcEdit::Set:
      RequireStored(iptc, iptc.SetEntry(name, value), name, value);
      break;
    case TIptcEdit::Append:
      iptc.AppendEntry(name, value);
      break;
    case TIptcEdit::Write:
      iptc.WriteEntry(name, value);
      break;
    case TIptcEdit::Remove: {
      const int before = iptc.Count;
      const bool found = iptc.FindEntry(name) >= 0;
      iptc.RemoveEntry(name);
      Require(iptc.Count == before - (found ? 1 : 0), "remove miscounted");
      break;
    }
    case TIptcEdit::Get:
      iptc.GetValue(name, value);
      break;
    case TIptcEdit::Find:
      iptc.GetEntry(iptc.FindEntry(name));
      iptc.GetEntry(static_cast<int8_t>(value.empty() ? 0 : value.front()));
      break;
    case TIptcEdit::Decode:
      iptc.DecodeText(value);
      break;
    case TIptcEdit::Reset:
      iptc.Reset();
      break;
    case TIptcEdit::Count:
      break;
  }
}
}  // namespace

void DriveIptcSegment(std::string_view bytes) {
  TFuzzInput input(bytes);
  // The segment starts with its own length field, which counts those two bytes.
  const std::size_t length = static_cast<uint8_t>(bytes.empty() ? 0 : bytes[0]) << 8 |
                             static_cast<uint8_t>(bytes.size() > 1 ? bytes[1] : 0);
  TIPTCdata iptc(nullptr);
  const std::string segment(input.TakeBytes(length));
  iptc.DecodeText(segment);
  RequireSoundStorage(iptc);
  // Each data byte lands in one entry once; joined repeats add a comma each.
  RequireBoundedStorage(iptc.Entries, iptc.Count, segment.size(), 2);
  while (!input.Empty()) {
    Edit(iptc, input);
    RequireSoundStorage(iptc);
  }
  // The table builder takes the whole storage.
  TagListToInfo(iptc.Entries);
}

}  // namespace pixolyn::fuzz
