// The IPTC entries decoded from the sample pictures against ExifTool's dumps.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "fixtures/JpegBuilder.h"
#include "fixtures/JsonFile.h"
#include "metadata/Cp1252.h"
#include "metadata/ImageData.h"
#include "metadata/IptcDecoder.h"
#include "metadata/Regional.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

using nlohmann::json;

struct Picture {
  std::string name;
  json tags;  // the dump's one object
};

bool HasIptcGroup(const json& tags) {
  for (const auto& member : tags.items()) {
    if (member.key().rfind("IPTC:", 0) == 0) return true;
  }
  return false;
}

std::vector<Picture> PicturesWithIptc(const std::string& corpus) {
  std::vector<Picture> pictures;
  for (const auto& file : std::filesystem::directory_iterator(corpus)) {
    if (file.path().extension() != ".jpg") continue;
    const std::string dump = file.path().string() + ".exiftool.json";
    if (!std::filesystem::exists(dump)) continue;
    json doc = test::ReadJsonFile(dump);
    if (!doc.is_array() || doc.size() != 1) continue;
    if (HasIptcGroup(doc[0])) {
      pictures.push_back({file.path().filename().string(), std::move(doc[0])});
    }
  }
  return pictures;
}

// A dump value as the texts of its repeats: a string, or an array of them.
std::vector<std::string> Texts(const json& tags, const char* key) {
  const auto value = tags.find(key);
  if (value == tags.end()) return {};
  if (!value->is_array()) return {test::JsonText(*value)};
  std::vector<std::string> texts;
  for (const json& item : *value) texts.push_back(test::JsonText(item));
  return texts;
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string out;
  for (std::size_t i = 0; i < texts.size(); ++i) out += (i == 0 ? "" : ",") + texts[i];
  return out;
}

bool IsPlainAscii(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) > 0x7F) return false;
  }
  return true;
}

// The texts of every stored entry with this name, in list order, as UTF-8.
std::vector<std::string> Ours(const TIPTCdata& iptc, const std::string& name) {
  std::vector<std::string> texts;
  for (int i = 0; i < iptc.Count; ++i) {
    const TTagEntry entry = iptc.GetEntry(i);
    if (entry.Name == name)
      texts.push_back(iptc.TextsAreUtf8() ? entry.Text : Cp1252ToUtf8(entry.Text));
  }
  return texts;
}

void ExpectSameTexts(const std::vector<std::string>& ours, const std::vector<std::string>& theirs,
                     const std::string& what) {
  // Bytes beyond ASCII may be in any character set; only plain texts compare byte for byte.
  for (const std::string& text : theirs) {
    if (!IsPlainAscii(text)) return;
  }
  EXPECT_EQ(ours, theirs) << what;
}

class IptcCorpusOracle : public testing::Test {
 protected:
  void SetUp() override {
    corpus_ = test::CorpusDir();
    if (corpus_.empty()) GTEST_SKIP() << "sample pictures absent";
  }

  std::unique_ptr<TImgData> Load(const std::string& name) const {
    std::unique_ptr<TImgData> image;
    LoadMetaInfo(corpus_ + "/" + name, image);
    return image;
  }

  std::string corpus_;
};

TEST_F(IptcCorpusOracle, FindsAllPicturesWhoseDumpHasAnIptcGroup) {
  std::set<std::string> names;
  for (const Picture& picture : PicturesWithIptc(corpus_)) names.insert(picture.name);
  // The sample set grows; these must stay among the pictures with a record.
  for (const char* name : {"ExifTool.jpg", "GPS.jpg", "IPTC.jpg", "PhotoMechanic.jpg"}) {
    EXPECT_TRUE(names.contains(name)) << name;
  }
}

TEST_F(IptcCorpusOracle, AgreesOnKeywordsAuthorPlaceHeadlineCaptionAndDate) {
  int compared = 0;
  const std::vector<Picture> pictures = PicturesWithIptc(corpus_);
  for (const Picture& picture : pictures) {
    SCOPED_TRACE(picture.name);
    const auto image = Load(picture.name);
    if (picture.name == "ExifTool.jpg") {
      // Its Photoshop segment is the 25th; the reader keeps 20 segments.
      EXPECT_FALSE(image->HasIptc());
      continue;
    }
    ASSERT_TRUE(image->HasIptc());
    ASSERT_NE(image->IptcInfo, nullptr);
    TIPTCdata& iptc = *image->IptcInfo;
    iptc.DecodeSegment();
    const json& tags = picture.tags;

    const std::vector<std::string> keywords = Texts(tags, "IPTC:Keywords");
    ExpectSameTexts(
        Ours(iptc, "Keywords"),
        keywords.empty() ? std::vector<std::string>{} : std::vector<std::string>{Joined(keywords)},
        "keywords");
    ExpectSameTexts(Ours(iptc, "ByLine"), Texts(tags, "IPTC:By-line"), "by-line");
    ExpectSameTexts(Ours(iptc, "City"), Texts(tags, "IPTC:City"), "city");
    ExpectSameTexts(Ours(iptc, "ImageHeadline"), Texts(tags, "IPTC:Headline"), "headline");
    ExpectSameTexts(Ours(iptc, "ImageCaption"), Texts(tags, "IPTC:Caption-Abstract"), "caption");

    // ExifTool writes the date as YYYY:MM:DD; the table shows DD.MM.YYYY.
    const std::vector<std::string> dates = Texts(tags, "IPTC:DateCreated");
    const std::vector<std::string> ourDates = Ours(iptc, "DateCreated");
    ASSERT_EQ(ourDates.size(), dates.size());
    for (std::size_t i = 0; i < dates.size(); ++i) {
      ASSERT_EQ(dates[i].size(), 10u);
      const std::string shown =
          dates[i].substr(8, 2) + "." + dates[i].substr(5, 2) + "." + dates[i].substr(0, 4);
      EXPECT_EQ(CreationDateText(ourDates[i], RegionalSettings{}), shown);
    }
    ++compared;
  }
  // Every picture with a record but ExifTool.jpg.
  EXPECT_EQ(compared, static_cast<int>(pictures.size()) - 1);
}

TEST_F(IptcCorpusOracle, FindsNoRecordWhereTheDumpHasNone) {
  // FotoStation keeps its IPTC record in a trailer behind the picture, which
  // the dump lists as a second group; the reader looks at the segments only.
  const auto image = Load("FotoStation.jpg");
  EXPECT_FALSE(image->HasIptc());
}

}  // namespace
}  // namespace pixolyn
