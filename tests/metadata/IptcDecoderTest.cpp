#include "metadata/IptcDecoder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fixtures/IptcBuilder.h"
#include "fixtures/JpegBuilder.h"
#include "iptc/IptcTagTable.h"
#include "metadata/ImageData.h"

namespace pixolyn {
namespace {

using test::App13Builder;
using test::IptcDataset;
using test::IptcDatasetWithLength;
using test::IptcSegment;

// The stored entries as "Name=Text", in list order.
std::vector<std::string> Stored(const TIPTCdata& iptc) {
  std::vector<std::string> out;
  for (int i = 0; i < iptc.Count; ++i) {
    const TTagEntry entry = iptc.GetEntry(i);
    out.push_back(std::string(entry.Name) + "=" + entry.Text);
  }
  return out;
}

std::vector<std::string> Decoded(const std::string& segment) {
  TIPTCdata iptc(nullptr);
  iptc.DecodeText(segment);
  return Stored(iptc);
}

bool IsEmptySlot(const TTagEntry& e) {
  return e.Group == 0 && e.FormatType == 0 && e.RecordNumber == 0 && e.Tag == 0 && e.Name.empty() &&
         e.Label.empty() && e.ValueMap.empty() && e.Text.empty() && e.RawText.empty() &&
         e.FormatPattern.empty() && e.MaxSize == 0 && !e.Formatter;
}

bool SlotsPastCountAreEmpty(const TIPTCdata& iptc) {
  for (std::size_t i = static_cast<std::size_t>(iptc.Count); i < iptc.Entries.size(); ++i) {
    if (!IsEmptySlot(iptc.Entries[i])) return false;
  }
  return true;
}

std::string Keywords(std::initializer_list<const char*> words) {
  std::string out;
  for (const char* word : words) out += IptcDataset(2, 25, word);
  return out;
}

TEST(IptcDecoder, JoinsRepeatedKeywordsAndSupplementalCategoriesWithCommas) {
  struct Case {
    std::string datasets;
    std::vector<std::string> expected;
  } cases[] = {
      {Keywords({"a", "b", "c"}), {"Keywords=a,b,c"}},
      {Keywords({"", "b"}), {"Keywords=,b"}},
      {Keywords({"b", ""}), {"Keywords=b"}},
      {IptcDataset(2, 20, "x") + IptcDataset(2, 90, "Ort") + IptcDataset(2, 20, "y"),
       {"SuppCategory=x,y", "City=Ort"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Decoded(IptcSegment(c.datasets)), c.expected) << c.expected.front();
  }
}

TEST(IptcDecoder, KeepsRepeatsOfOtherDatasetsApartInStreamOrder) {
  TIPTCdata iptc(nullptr);
  iptc.DecodeText(IptcSegment(IptcDataset(2, 80, "Anna") + IptcDataset(2, 122, "Carl") +
                              IptcDataset(2, 80, "Bert")));
  EXPECT_EQ(Stored(iptc),
            (std::vector<std::string>{"ByLine=Anna", "ImageCaptionWriter=Carl", "ByLine=Bert"}));
  for (int i = 0; i < iptc.Count; ++i) EXPECT_EQ(iptc.GetEntry(i).Label, "Autor");
}

TEST(IptcDecoder, CopiesTheDictionaryRowAndSetsOnlyTheText) {
  TIPTCdata iptc(nullptr);
  const std::string value("Ot\0t\xE4wa ", 8);  // bytes as stored: NUL, no trimming
  iptc.DecodeText(IptcSegment(IptcDataset(2, 90, value)));
  ASSERT_EQ(iptc.Count, 1);
  const TTagEntry entry = iptc.GetEntry(0);
  EXPECT_EQ(entry.Text, value);
  EXPECT_EQ(entry.Label, "Ort");
  EXPECT_EQ(entry.MaxSize, 32);
  EXPECT_EQ(entry.RecordNumber, 2);
  EXPECT_EQ(entry.Tag, 90);
  EXPECT_TRUE(entry.RawText.empty());
  EXPECT_EQ(entry.FormatType, 0);
}

TEST(IptcDecoder, TellsTheSubfileDatasetFromUrgency) {
  TIPTCdata iptc(nullptr);
  iptc.DecodeText(IptcSegment(IptcDataset(8, 10, "S") + IptcDataset(2, 10, "5")));
  ASSERT_EQ(iptc.Count, 2);
  EXPECT_EQ(iptc.GetEntry(0).Label, "Unterdatei");
  EXPECT_EQ(iptc.GetEntry(0).RecordNumber, 8);
  EXPECT_EQ(iptc.GetEntry(1).Label, "Dringlichkeit");
  EXPECT_EQ(iptc.GetEntry(1).RecordNumber, 2);
}

TEST(IptcDecoder, YieldsNoEntryForSkippedUnknownOrForeignDatasets) {
  struct Case {
    const char* what;
    std::string datasets;
    std::vector<std::string> expected;
  } cases[] = {
      {"record version only", IptcDataset(2, 0, "\x00\x02"), {}},
      {"unknown dataset skipped by its length",
       IptcDataset(2, 200, std::string(300, '\x1C')) + IptcDataset(2, 90, "Ort"),
       {"City=Ort"}},
      {"record 3 is no IPTC record we show",
       IptcDataset(2, 5, "A") + IptcDataset(3, 5, "B"),
       {"ObjectName=A"}},
      {"dataset 8:90 is not in the dictionary",
       IptcDataset(2, 5, "A") + IptcDataset(8, 90, "B"),
       {"ObjectName=A"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Decoded(IptcSegment(c.datasets)), c.expected) << c.what;
}

TEST(IptcDecoder, ScansPastEnvelopeDatasetsAndEarlierResources) {
  const std::string envelope = IptcDataset(1, 90, "\x1B%G") + IptcDataset(1, 0, "\x00\x04");
  const std::string segment = App13Builder()
                                  .Signature()
                                  .Resource(0x03ED, std::string(16, '\x01'))
                                  .IptcResource(envelope + IptcDataset(2, 5, "Titel"))
                                  .SegmentData();
  EXPECT_EQ(Decoded(segment), (std::vector<std::string>{"ObjectName=Titel"}));
}

TEST(IptcDecoder, TakesTheRecordFromTheIptcResourceAloneWhereTheBlocksCanBeWalked) {
  const std::string thumbnail = "JFIF" + IptcDataset(2, 120, "from the thumbnail");
  const std::string record = IptcDataset(2, 5, "Titel");
  struct Case {
    const char* what;
    App13Builder segment;
    std::vector<std::string> expected;
  } cases[] = {
      {"thumbnail before the record",
       App13Builder().Signature().Resource(0x040C, thumbnail).IptcResource(record),
       {"ObjectName=Titel"}},
      {"thumbnail after the record, zero padding at the end",
       App13Builder().Signature().IptcResource(record).Resource(0x040C, thumbnail).Raw("\0\0"),
       {"ObjectName=Titel"}},
      {"well-formed blocks without a record",
       App13Builder().Signature().Resource(0x040C, thumbnail),
       {}},
      {"blocks that cannot be walked: the scan as before",
       App13Builder().Signature().Resource(0x040C, thumbnail).Raw("8BIM\x04\x04"),
       {"ImageCaption=from the thumbnail"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Decoded(c.segment.SegmentData()), c.expected) << c.what;
}

TEST(IptcDecoder, KeepsUtf8TextsWhenTheRecordDeclaresThem) {
  TIPTCdata iptc(nullptr);
  // A byte of no character, an overlong form and a surrogate become "?".
  iptc.DecodeText(IptcSegment(IptcDataset(1, 90, "\x1B%G") +
                              IptcDataset(2, 90, "\xC5\x81\xF0\x9F\x93\xB7") +
                              IptcDataset(2, 5, "a\xFF\xC0\xAF\xED\xA0\x80")));
  EXPECT_TRUE(iptc.TextsAreUtf8());
  EXPECT_EQ(Stored(iptc),
            (std::vector<std::string>{"City=\xC5\x81\xF0\x9F\x93\xB7", "ObjectName=a???"}));
}

TEST(IptcDecoder, StartsAtOffsetTwelveWithoutTheSignature) {
  // Offsets 0-1 hold the length; a dataset at offset 2 lies before the scan.
  App13Builder builder;
  builder.Raw(IptcDataset(2, 5, "early"));
  ASSERT_EQ(builder.SegmentData().size(), 12u);
  builder.Raw(IptcDataset(2, 90, "Ort"));
  EXPECT_EQ(Decoded(builder.SegmentData()), (std::vector<std::string>{"City=Ort"}));
}

TEST(IptcDecoder, FindsNoWalkFromAMarkerAsTheLastByte) {
  TIPTCdata iptc(nullptr);
  iptc.DecodeText(App13Builder().Signature().Raw("\x01\x02\x03\x1C").SegmentData());
  EXPECT_EQ(iptc.Count, 0);
  iptc.DecodeText(App13Builder().Signature().Raw("\x1C\x02\x05").SegmentData());  // header cut
  EXPECT_EQ(iptc.Count, 0);
  iptc.DecodeText("");
  EXPECT_EQ(iptc.Count, 0);
}

TEST(IptcDecoder, CutsAValueRunningPastTheEndAndEndsTheWalk) {
  const std::string segment = App13Builder()
                                  .Signature()
                                  .Raw(IptcDataset(2, 5, "Titel"))
                                  .Raw(IptcDatasetWithLength(2, 120, 0xFFFF, "Rest"))
                                  .SegmentData();
  EXPECT_EQ(Decoded(segment), (std::vector<std::string>{"ObjectName=Titel", "ImageCaption=Rest"}));
}

TEST(IptcDecoder, TakesAnyByteAfterADatasetAsTheNextMarkerAndWalksPastTheRecord) {
  // The IPTC resource ends after "Titel"; what follows is read as datasets too.
  const std::string trailing =
      IptcDataset(2, 5, "Titel") + std::string("Z\x02\x5A\x00\x03Ort", 8);  // 'Z' for the marker
  const std::string segment = App13Builder()
                                  .Signature()
                                  .IptcResource(IptcDataset(2, 105, "Kopf!"))  // even: no padding
                                  .Raw(trailing)
                                  .SegmentData();
  EXPECT_EQ(Decoded(segment),
            (std::vector<std::string>{"ImageHeadline=Kopf!", "ObjectName=Titel", "City=Ort"}));
}

TEST(IptcDecoder, GrowsItsStorageInStepsOf25AndKeepsSlotsPastTheCountEmpty) {
  TIPTCdata iptc(nullptr);
  EXPECT_EQ(iptc.Capacity, 0);
  std::string datasets;
  for (int i = 0; i < 25; ++i) {
    datasets += IptcDataset(2, 80, "A" + std::to_string(i));
    if (i == 23) {
      iptc.DecodeText(IptcSegment(datasets));
      EXPECT_EQ(iptc.Count, 24);
      EXPECT_EQ(iptc.Capacity, 25);
    }
  }
  iptc.DecodeText(IptcSegment(datasets));
  EXPECT_EQ(iptc.Count, 25);
  EXPECT_EQ(iptc.Capacity, 50);
  EXPECT_EQ(iptc.Entries.size(), 50u);
  EXPECT_TRUE(SlotsPastCountAreEmpty(iptc));

  iptc.Reset();
  EXPECT_EQ(iptc.Count, 0);
  EXPECT_EQ(iptc.Capacity, 50);
  EXPECT_EQ(iptc.Entries.size(), 50u);
  EXPECT_TRUE(SlotsPastCountAreEmpty(iptc));
  EXPECT_FALSE(iptc.HasData());
}

TEST(IptcDecoder, StoresNothingForTagZero) {
  TIPTCdata iptc(nullptr);
  EXPECT_EQ(iptc.AddEntry(TTagEntry{}), -1);
  EXPECT_TRUE(iptc.Entries.empty());
  iptc.SetEntry("City", "Ort");
  EXPECT_EQ(iptc.AddEntry(TTagEntry{}), 0);
  EXPECT_EQ(iptc.Count, 1);
  EXPECT_TRUE(iptc.GetEntry(7).Name.empty());
  EXPECT_TRUE(iptc.GetEntry(-1).Name.empty());
  EXPECT_TRUE(iptc.GetEntry(1000).Name.empty());
}

TEST(IptcDecoder, DecodingTwiceYieldsTheSameList) {
  TImgData image;
  image.SectionCount = 1;
  image.IptcSection = &image.Sections[0];
  image.IptcSection->SegmentData = IptcSegment(Keywords({"a", "b"}) + IptcDataset(2, 90, "Ort"));
  TIPTCdata iptc(&image);
  iptc.DecodeSegment();
  const std::vector<std::string> first = Stored(iptc);
  iptc.DecodeSegment();
  EXPECT_EQ(Stored(iptc), first);
  EXPECT_EQ(first, (std::vector<std::string>{"Keywords=a,b", "City=Ort"}));
}

TEST(IptcDecoder, EditsEntriesByName) {
  TIPTCdata iptc(nullptr);
  EXPECT_EQ(iptc.SetEntry("city", "Bonn"), 0);
  EXPECT_EQ(iptc.GetEntry(0).Label, "Ort");
  EXPECT_EQ(iptc.SetEntry("Nonsense", "x"), -1);
  EXPECT_EQ(iptc.SetEntry("CITY", ""), 0);  // an empty value changes nothing
  EXPECT_EQ(iptc.GetValue("City", "-"), "Bonn");
  EXPECT_EQ(iptc.SetEntry("City", "K\xF6ln"), 0);
  EXPECT_EQ(iptc.GetValue("City", "-"), "K\xF6ln");

  EXPECT_EQ(iptc.AppendEntry("Keywords", "a"), 1);
  EXPECT_EQ(iptc.AppendEntry("keywords", "b"), 1);
  EXPECT_EQ(iptc.AppendEntry("Keywords", ""), 1);
  EXPECT_EQ(iptc.GetValue("Keywords", ""), "a,b");
  EXPECT_EQ(iptc.AppendEntry("City", "Bonn"), 0);  // a plain dataset is joined alike
  EXPECT_EQ(iptc.GetValue("City", ""), "K\xF6ln,Bonn");

  // Writing sets a repeatable dataset and appends to any other.
  EXPECT_EQ(iptc.WriteEntry("Keywords", "z"), 1);
  EXPECT_EQ(iptc.GetValue("Keywords", ""), "z");
  EXPECT_EQ(iptc.WriteEntry("City", "Ulm"), 0);
  EXPECT_EQ(iptc.GetValue("City", ""), "K\xF6ln,Bonn,Ulm");
  EXPECT_EQ(iptc.WriteEntry("ObjectName", "T"), 2);
  EXPECT_EQ(iptc.WriteEntry("Nonsense", "x"), -1);

  iptc.RemoveEntry("keywords");
  EXPECT_EQ(Stored(iptc), (std::vector<std::string>{"City=K\xF6ln,Bonn,Ulm", "ObjectName=T"}));
  EXPECT_TRUE(SlotsPastCountAreEmpty(iptc));
  iptc.RemoveEntry("Keywords");  // gone already: nothing happens
  EXPECT_EQ(iptc.Count, 2);
  EXPECT_EQ(iptc.FindEntry("objectname"), 1);
  EXPECT_EQ(iptc.FindEntry("Keywords"), -1);
  EXPECT_EQ(iptc.GetValue("Keywords", "keine"), "keine");
}

TEST(IptcDecoder, FindsDictionaryRowsByNameIgnoringAsciiCase) {
  EXPECT_EQ(TIPTCdata::FindIptcTagByName("KEYWORDS"), 9);
  EXPECT_EQ(TIPTCdata::FindIptcTagByName("subfile"), 31);
  EXPECT_EQ(TIPTCdata::FindIptcTagByName("skip"), 0);
  EXPECT_EQ(TIPTCdata::FindIptcTagByName("Keyword"), -1);
}

// ReadFile reads through a record of its own, so the owner's decoder it runs
// on stays alive; run under AddressSanitizer this catches a use after free.
TEST(IptcDecoder, ReadFileLeavesTheOwnerAndItsDecoderAlive) {
  test::TempDir dir;
  const std::string first = dir.Write("first.jpg", test::JpegWithIptc(IptcDataset(2, 90, "Bonn")));
  const std::string second = dir.Write("second.jpg", test::JpegWithIptc(Keywords({"x", "y"})));
  TImgData image;
  ASSERT_TRUE(image.ReadImageFile(first));
  TIPTCdata* decoder = image.IptcInfo.get();
  ASSERT_NE(decoder, nullptr);

  EXPECT_TRUE(decoder->ReadFile(second));
  EXPECT_EQ(image.IptcInfo.get(), decoder);
  EXPECT_EQ(Stored(*decoder), (std::vector<std::string>{"Keywords=x,y"}));

  EXPECT_FALSE(decoder->ReadFile(dir.Path() + "/missing.jpg"));
  EXPECT_EQ(decoder->Count, 0);

  // The owner still holds its own segment.
  decoder->DecodeSegment();
  EXPECT_EQ(Stored(*decoder), (std::vector<std::string>{"City=Bonn"}));
}

TEST(IptcDecoder, TheImageRecordDecodesOnlyTheFirstPhotoshopSegment) {
  TImgData image;
  ASSERT_TRUE(
      image.DecodeBytes("two.jpg", test::JpegBuilder()
                                       .App13(test::IptcPayload(IptcDataset(2, 90, "Erste")))
                                       .App13(test::IptcPayload(IptcDataset(2, 90, "Zweite")))
                                       .EndOfImage()
                                       .Bytes()));
  ASSERT_TRUE(image.HasIptc());
  ASSERT_NE(image.IptcInfo, nullptr);
  EXPECT_EQ(image.IptcInfo->Count, 0);  // nothing is decoded before it is asked for
  image.IptcInfo->DecodeSegment();
  EXPECT_EQ(Stored(*image.IptcInfo), (std::vector<std::string>{"City=Erste"}));
}

}  // namespace
}  // namespace pixolyn
