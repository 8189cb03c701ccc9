// The XMP values shown for the sample pictures against ExifTool's dumps:
// every value ExifTool reads must stand in the XMP section (captions differ).

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "fixtures/JsonFile.h"
#include "metadata/ImageData.h"
#include "metadata/Sections.h"
#include "support/TestFiles.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

using nlohmann::json;

// ExifTool's dates ("2004:02:26 10:00:00.5+01:00") as the section writes them
// ("26.02.2004 10:00:00,5 +01:00"), both without blanks and with decimal
// points; other texts as they are.
std::string Comparable(std::string text) {
  const bool date = text.size() >= 10 && text[4] == ':' && text[7] == ':';
  if (date)
    text = text.substr(8, 2) + "." + text.substr(5, 2) + "." + text.substr(0, 4) + text.substr(10);
  std::erase(text, ' ');
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

std::set<std::string> XmpValues(const std::string& path) {
  std::unique_ptr<TImgData> image;
  LoadMetaInfo(path, image);
  std::set<std::string> values;
  for (const TMetaSection& section : BuildSections(image.get())) {
    if (section.Kind != TSectionKind::Xmp) continue;
    for (const TSectionRow& row : section.Rows) values.insert(Comparable(row.Value));
  }
  return values;
}

TEST(XmpCorpusOracle, ShowsEveryValueExifToolReads) {
  const std::string corpus = test::CorpusDir();
  if (corpus.empty()) GTEST_SKIP() << "sample pictures absent";
  // Not properties of the packet's RDF: the toolkit's name and the about URI;
  // and a time ExifTool rewrites ("062751-0500" written, "06:27:51-05:00" dumped).
  const std::set<std::string> notCompared = {"XMP-x:XMPToolkit", "XMP-rdf:About",
                                             "XMP-photomech:TimeCreated"};
  // Binary data shows as its size, not as base64.
  constexpr std::size_t kLongestCompared = 200;
  for (const char* name :
       {"XMP.jpg", "ExtendedXMP.jpg", "MWG.jpg", "Google.jpg", "PhotoMechanic.jpg"}) {
    SCOPED_TRACE(name);
    const json dump = test::ReadJsonFile(corpus + "/" + name + ".exiftool.json").at(0);
    const std::set<std::string> ours = XmpValues(corpus + "/" + name);
    int compared = 0;
    for (const auto& [key, value] : dump.items()) {
      if (!key.starts_with("XMP-") || notCompared.contains(key)) continue;
      for (const json& item : value.is_array() ? value : json::array({value})) {
        if (item.is_number_float()) continue;  // "1.0" written, 1 dumped
        const std::string text =
            item.is_boolean() ? (item.get<bool>() ? "True" : "False") : test::JsonText(item);
        if (text.size() > kLongestCompared) continue;
        EXPECT_TRUE(ours.contains(Comparable(text))) << key << " = " << text;
        ++compared;
      }
    }
    EXPECT_GT(compared, 0);
  }
}

}  // namespace
}  // namespace pixolyn
