#include "fuzz/drivers/FuzzChecks.h"
#include "fuzz/drivers/FuzzDrivers.h"
#include "fuzz/drivers/InputLayout.h"
#include "metadata/Cp1252.h"
#include "xmp/XmpPacket.h"

namespace pixolyn::fuzz {

void DriveXmpPacket(std::string_view bytes) {
  const auto split = bytes.find(kXmpExtensionSeparator);
  const TXmpPacket packet = ReadXmpPacket(bytes.substr(0, split));
  const TXmpPacket extension = ReadXmpPacket(
      split == std::string_view::npos ? std::string_view()
                                      : bytes.substr(split + kXmpExtensionSeparator.size()));
  const std::vector<TSectionRow> rows = XmpRows(packet, &extension);
  for (const TSectionRow& row : rows) {
    Require(ValidUtf8(row.Value) == row.Value, "row value not UTF-8");
    Require(ValidUtf8(row.Caption.View()) == row.Caption.View(), "row caption not UTF-8");
  }
  const bool faulty = !packet.Error.empty() || !extension.Error.empty();
  Require(!faulty || (!rows.empty() && rows.back().Caption == "Fehler"),
          "a faulty packet without its error row");
  // Text values come from the bytes themselves: no entity makes them more.
  std::size_t held = 0;
  for (const TXmpPacket* read : {&packet, &extension}) {
    for (const TXmpProperty& property : read->Properties) held += property.Value.size();
  }
  Require(held <= 4 * bytes.size() + 64, "values longer than the packet");
}

}  // namespace pixolyn::fuzz
