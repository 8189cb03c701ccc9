#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fixtures/ExifReading.h"
#include "fixtures/IptcBuilder.h"
#include "fixtures/JpegBuilder.h"
#include "metadata/ImageData.h"
#include "metadata/Sections.h"

namespace pixolyn {
namespace {

using test::IptcDataset;
using test::JpegBuilder;

// Each section as "Title: caption=value; ..." with " -" for the placeholder.
std::vector<std::string> Described(const TMetaSections& sections) {
  std::vector<std::string> lines;
  for (const TMetaSection& section : sections) {
    std::string line(SectionTitle(section.Kind));
    line += ":";
    for (const TSectionRow& row : section.Rows)
      line += " " + std::string(row.Caption.View()) + "=" + row.Value + ";";
    if (section.ShowsPlaceholder) line += " -";
    lines.push_back(line);
  }
  return lines;
}

constexpr auto Tag = test::LabelledTag;

const std::string kNoComment = "Kommentar: -";
const std::string kNoIptc = "IPTC-Daten: -";
const std::string kNoXmp = "XMP-Daten: -";

TEST(SectionBuilder, LaysOutTheExifSections) {
  struct Case {
    const char* rule;
    std::vector<TTagEntry> tags;
    std::vector<std::string> exif;  // the sections after the comment and IPTC
  } cases[] = {
      {"no EXIF row: a placeholder and no maker section", {}, {"EXIF-Daten (standard): -"}},
      {"standard rows alone: the maker section shows the placeholder",
       {Tag("Modell", "X", 0)},
       {"EXIF-Daten (standard): Modell=X;", "EXIF-Daten (kameraspezifisch): -"}},
      {"maker rows alone: no placeholder under the standard header",
       {Tag("Makro", "An", 1)},
       {"EXIF-Daten (standard):", "EXIF-Daten (kameraspezifisch): Makro=An;"}},
      {"blank texts give no row; rows of another group show nowhere but count",
       {Tag("Blank", " \t ", 0), Tag("Other", "x", 2)},
       {"EXIF-Daten (standard):", "EXIF-Daten (kameraspezifisch): -"}},
      {"the lines of a multi-line value are maker rows; digit lines give none",
       {Tag("Kamera", "1 2\r\nMakro = An\r\n= lone\r\n\r\nA = b = c", 0)},
       {"EXIF-Daten (standard):", "EXIF-Daten (kameraspezifisch): Makro=An; =lone; A=b = c;"}},
      {"Windows-1252 texts arrive as UTF-8",
       {Tag("Qualit\xE4t", "\x80 5", 0), Tag("\x84Z\x93", "a = \xFC", 1)},
       {"EXIF-Daten (standard): Qualität=€ 5;", "EXIF-Daten (kameraspezifisch): „Z“=a = ü;"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> expected = {kNoComment, kNoIptc};
    expected.insert(expected.end(), c.exif.begin(), c.exif.end());
    expected.push_back(kNoXmp);
    const auto image = test::ImageWithExif(c.tags);
    EXPECT_EQ(Described(BuildSections(image.get())), expected) << c.rule;
  }
  EXPECT_EQ(Described(BuildSections(nullptr)),
            (std::vector<std::string>{kNoComment, kNoIptc, "EXIF-Daten (standard): -", kNoXmp}));
}

TEST(SectionBuilder, ContinuesTheCommentsCaptionAndKeepsUtf8IptcTexts) {
  const std::string iptc = IptcDataset(2, 90, "\xC5\x81\xC3\xB3") + IptcDataset(2, 55, "20040315") +
                           IptcDataset(2, 120, "1 2\r\nx = \xE2\x82\xAC");
  struct Case {
    const char* rule;
    std::string file;
    std::string section;  // the comment's or the IPTC record's, by its title
  } cases[] = {
      {"further lines continue", JpegBuilder().Comment("one\r\ntwo\r\n").Bytes(),
       "Kommentar: Text=one; =two;"},
      {"lines are neither trimmed nor dropped",
       JpegBuilder().Comment("\r\n 2 \r\n\r\nx\r\xE4").Bytes(),
       "Kommentar: Text=; = 2 ; =; =x\rä;"},
      {"a comment in UTF-8 is read as UTF-8", JpegBuilder().Comment("Gr\xC3\xBC\xC3\x9F").Bytes(),
       "Kommentar: Text=Grüß;"},
      {"any other is Windows-1252", JpegBuilder().Comment("\xFC \xC3\r\n\xC3\xBC").Bytes(),
       "Kommentar: Text=ü Ã; =Ã¼;"},
      {"an overlong form is no UTF-8", JpegBuilder().Comment("\xC0\xAF").Bytes(),
       "Kommentar: Text=À¯;"},
      {"UTF-8 declared: texts as they are", test::JpegWithIptc(IptcDataset(1, 90, "\x1B%G") + iptc),
       "IPTC-Daten: Ort=Łó; Erstelldatum=15.03.2004; x=€;"},
      {"not declared: each byte a Windows-1252 character", test::JpegWithIptc(iptc),
       "IPTC-Daten: Ort=Å\xC2\x81Ã³; Erstelldatum=15.03.2004; x=â‚¬;"},
  };
  for (const Case& c : cases) {
    TImgData image;
    image.DecodeBytes("s.jpg", c.file);
    const std::vector<std::string> sections = Described(BuildSections(&image));
    ASSERT_EQ(sections.size(), 4u) << c.rule;
    EXPECT_EQ(sections[c.section.starts_with("Kommentar") ? 0 : 1], c.section) << c.rule;
  }
}

}  // namespace
}  // namespace pixolyn
