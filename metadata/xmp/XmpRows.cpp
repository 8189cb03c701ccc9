#include <algorithm>
#include <set>
#include <utility>

#include "metadata/TextUtil.h"
#include "xmp/XmpCaptions.h"
#include "xmp/XmpPacket.h"
#include "xmp/XmpValueText.h"

namespace pixolyn {

namespace {
constexpr std::string_view kErrorCaption = "Fehler";

// One property with the packet it came from: structure numbers count per packet.
struct TSourced {
  const TXmpProperty* Property;
  int Source;
};

// The values of one property: its array items, its languages.
using TValues = std::vector<TSourced>;

bool IsGerman(std::string_view language) {
  return EqualsIgnoringAsciiCase(language.substr(0, 2), "de") &&
         (language.size() == 2 || language[2] == '-');
}

// German, else the default, else the first language.
std::size_t MainLanguage(const TValues& values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (IsGerman(values[i].Property->Language)) return i;
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (EqualsIgnoringAsciiCase(values[i].Property->Language, "x-default")) return i;
  }
  return 0;
}

class TRowWriter {
 public:
  explicit TRowWriter(std::vector<TSectionRow>& rows) : rows_(rows) {}

  // caption: a constant, or empty to use the path as the caption.
  void Property(std::string_view constant, const TValues& values, bool isDate) {
    group_ = constant.empty() ? kXmpOtherGroup : kXmpCaptionedGroup;
    const std::string_view path = values.front().Property->Path;
    const bool withLanguages = std::any_of(values.begin(), values.end(), [](const TSourced& value) {
      return !value.Property->Language.empty();
    });
    if (!withLanguages) {
      for (const TSourced& value : values) Value(Caption(constant, path), value, isDate);
      return;
    }
    const std::size_t main = MainLanguage(values);
    Value(Caption(constant, path), values[main], isDate);
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (i == main) continue;
      const std::string& language = values[i].Property->Language;
      std::string caption(constant.empty() ? path : constant);
      if (!language.empty()) caption += " [" + language + ']';
      Value(TCaption(std::move(caption)), values[i], isDate);
    }
  }

  void Error(const std::string& message) {
    rows_.push_back(
        {.Group = kXmpOtherGroup, .Caption = TCaption::Constant(kErrorCaption), .Value = message});
  }

 private:
  static TCaption Caption(std::string_view constant, std::string_view path) {
    return constant.empty() ? TCaption(std::string(path)) : TCaption::Constant(constant);
  }

  // The first line under the caption, the others continuing it.
  void Value(TCaption caption, const TSourced& value, bool isDate) {
    const TXmpProperty& property = *value.Property;
    if (TrimControlAndBlank(property.Value).empty()) return;
    const std::string text = XmpValueText(property.Path, property.Value, isDate);
    std::string_view rest = text;
    bool first = true;
    while (true) {
      const auto end = rest.find_first_of("\r\n");
      const std::string_view line = rest.substr(0, end);
      rows_.push_back({.Group = group_,
                       .Caption = first ? std::move(caption) : TCaption(),
                       .Value = std::string(line)});
      first = false;
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + (rest.compare(end, 2, "\r\n") == 0 ? 2 : 1));
      if (rest.empty()) break;
    }
  }

  std::vector<TSectionRow>& rows_;
  int16_t group_ = kXmpCaptionedGroup;
};

// The structures of regions that are faces, by packet.
std::set<std::pair<int, uint32_t>> FaceRegions(const TValues& all) {
  std::set<std::pair<int, uint32_t>> faces;
  for (const TSourced& item : all) {
    if (item.Property->Path == kRegionTypePath && item.Property->Value == "Face") {
      faces.emplace(item.Source, item.Property->Structure);
    }
  }
  return faces;
}

// The caption's index for a property; the number of captions for none.
std::size_t CaptionIndex(const TSourced& item, const std::set<std::pair<int, uint32_t>>& faces) {
  const auto captions = XmpCaptions();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    if (captions[i].Path != item.Property->Path) continue;
    if (captions[i].Path == kRegionNamePath &&
        !faces.contains({item.Source, item.Property->Structure})) {
      break;
    }
    return i;
  }
  return captions.size();
}
}  // namespace

std::vector<TSectionRow> XmpRows(const TXmpPacket& packet, const TXmpPacket* extension) {
  TValues all;
  all.reserve(packet.Properties.size() + (extension ? extension->Properties.size() : 0));
  for (const TXmpProperty& property : packet.Properties) all.push_back({&property, 0});
  if (extension) {
    for (const TXmpProperty& property : extension->Properties) all.push_back({&property, 1});
  }

  const auto captions = XmpCaptions();
  const auto faces = FaceRegions(all);
  std::vector<TValues> captioned(captions.size());
  std::vector<TValues> others;  // runs of one path, in the packets' order
  for (const TSourced& item : all) {
    const std::size_t index = CaptionIndex(item, faces);
    if (index < captions.size()) {
      captioned[index].push_back(item);
    } else if (!others.empty() && others.back().back().Property->Path == item.Property->Path) {
      others.back().push_back(item);
    } else {
      others.push_back({item});
    }
  }

  std::vector<TSectionRow> rows;
  rows.reserve(all.size());
  TRowWriter writer(rows);
  for (std::size_t i = 0; i < captions.size(); ++i) {
    if (!captioned[i].empty())
      writer.Property(captions[i].Caption, captioned[i], captions[i].IsDate);
  }
  for (const TValues& values : others) writer.Property({}, values, false);
  if (!packet.Error.empty()) writer.Error(packet.Error);
  if (extension && !extension->Error.empty()) writer.Error(extension->Error);
  return rows;
}

}  // namespace pixolyn
