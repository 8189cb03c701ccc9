#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/XmpPacketBuilder.h"
#include "xmp/XmpPacket.h"

namespace pixolyn {
namespace {

using test::XmpPacket;

// "caption=value" per row, "caption|value" for a row the catalogue leaves out.
std::vector<std::string> Rows(const TXmpPacket& packet, const TXmpPacket* extension = nullptr) {
  std::vector<std::string> lines;
  for (const TSectionRow& row : XmpRows(packet, extension)) {
    const char* joint = row.Group == kXmpCaptionedGroup ? "=" : "|";
    lines.push_back(std::string(row.Caption.View()) + joint + row.Value);
  }
  return lines;
}

TEST(XmpPacket, ReadsTheFormsOfRdf) {
  struct Case {
    const char* form;
    std::string attributes, body;
    std::vector<std::string> rows;
  } cases[] = {
      {"attributes, under the usual prefix whatever the packet calls it",
       " xap:Rating=\"-1\" my:Flag=\"ja\"",
       "",
       {"Bewertung=abgelehnt", "my:Flag|ja"}},
      {"elements, captioned first, the rest in the packet's order",
       "",
       "<my:B>2</my:B><xap:CreateDate>2024-05-01T14:03:22+02:00</xap:CreateDate>"
       "<my:A>1</my:A><xap:ModifyDate>2024-05</xap:ModifyDate>",
       {"Erstellt=01.05.2024 14:03:22 +02:00", "Geändert=05.2024", "my:B|2", "my:A|1"}},
      {"a Bag: one row per item, a comma inside an item stays",
       "",
       "<dc:subject><rdf:Bag><rdf:li>Strand, Nord</rdf:li><rdf:li>Meer</rdf:li>"
       "</rdf:Bag></dc:subject>",
       {"Schlüsselwörter=Strand, Nord", "Schlüsselwörter=Meer"}},
      {"an Alt: German on the caption's row, the other languages after",
       "",
       "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">Beach</rdf:li>"
       "<rdf:li xml:lang=\"en-US\">Beach</rdf:li><rdf:li xml:lang=\"de-DE\">Strand</rdf:li>"
       "</rdf:Alt></dc:title>"
       "<dc:rights><rdf:Alt><rdf:li xml:lang=\"fr\">Moi</rdf:li>"
       "<rdf:li xml:lang=\"x-default\">Me</rdf:li></rdf:Alt></dc:rights>",
       {"Objektname=Strand", "Objektname [x-default]=Beach", "Objektname [en-US]=Beach",
        "Copyrightvermerk=Me", "Copyrightvermerk [fr]=Moi"}},
      {"a Seq of several lines: the later lines continue the caption",
       "",
       "<dc:creator><rdf:Seq><rdf:li>Anna\nBerlin&#xD;&#xA;Mitte</rdf:li>"
       "<rdf:li>Ben</rdf:li></rdf:Seq></dc:creator>",
       {"Autor=Anna", "=Berlin", "=Mitte", "Autor=Ben"}},
      {"structures: parseType Resource, nested Description, fields as attributes",
       "",
       "<Iptc4xmpCore:CreatorContactInfo rdf:parseType=\"Resource\">"
       "<Iptc4xmpCore:CiEmailWork>a@b.de</Iptc4xmpCore:CiEmailWork>"
       "</Iptc4xmpCore:CreatorContactInfo>"
       "<my:S><rdf:Description my:X=\"1\"><my:Y>2</my:Y></rdf:Description></my:S>"
       "<my:T my:Z=\"3\"/>",
       {"Iptc4xmpCore:CreatorContactInfo/Iptc4xmpCore:CiEmailWork|a@b.de", "my:S/my:X|1",
        "my:S/my:Y|2", "my:T/my:Z|3"}},
      {"rdf:resource and an rdf:value with a qualifier",
       "",
       "<my:Link rdf:resource=\"http://example.com/\"/>"
       "<my:Q rdf:parseType=\"Resource\"><rdf:value>wert</rdf:value><my:Note>n</my:Note></my:Q>",
       {"my:Link|http://example.com/", "my:Q|wert", "my:Q/my:Note|n"}},
      {"face regions captioned, other regions by name; long base64 as its size",
       "",
       "<mwg-rs:Regions rdf:parseType=\"Resource\"><mwg-rs:RegionList><rdf:Bag>"
       "<rdf:li mwg-rs:Name=\"Katze\" mwg-rs:Type=\"Pet\"/>"
       "<rdf:li><rdf:Description mwg-rs:Name=\"Eva\" mwg-rs:Type=\"Face\"/></rdf:li>"
       "</rdf:Bag></mwg-rs:RegionList></mwg-rs:Regions>"
       "<my:Data>" +
           std::string(400, 'Q') + "==</my:Data>",
       {"Person (Bereich)=Eva", "mwg-rs:Regions/mwg-rs:RegionList/mwg-rs:Name|Katze",
        "mwg-rs:Regions/mwg-rs:RegionList/mwg-rs:Type|Pet",
        "mwg-rs:Regions/mwg-rs:RegionList/mwg-rs:Type|Face", "my:Data|(Binärdaten, 300 Bytes)"}},
  };
  for (const Case& c : cases) {
    const TXmpPacket packet = ReadXmpPacket(XmpPacket(c.attributes, c.body));
    EXPECT_EQ(packet.Error, "") << c.form;
    EXPECT_EQ(Rows(packet), c.rows) << c.form;
  }
}

TEST(XmpPacket, KeepsWhatWasReadBeforeAFault) {
  const TXmpPacket broken =
      ReadXmpPacket(XmpPacket(" my:A=\"1\"", "<my:B>2</my:B>\n<my:C>3</my:D>\n"));
  EXPECT_EQ(Rows(broken),
            (std::vector<std::string>{"my:A|1", "my:B|2", "Fehler|Falsches End-Tag in Zeile 15"}));
}

TEST(XmpPacket, RefusesADoctypeAndNeverExpandsAnEntity) {
  const TXmpPacket packet = ReadXmpPacket(
      "<!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n"
      "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
      "<rdf:Description xmlns:my=\"http://example.com/my/\" my:A=\"&b;\"/></rdf:RDF>");
  EXPECT_TRUE(packet.Properties.empty());
  EXPECT_EQ(packet.Error, "DOCTYPE nicht erlaubt in Zeile 1");
}

TEST(XmpPacket, ReadsThousandsOfKeywordsAndTheExtensionsGuid) {
  std::string items;
  for (int i = 0; i < 3000; ++i) items += "<rdf:li>k" + std::to_string(i) + "</rdf:li>";
  const TXmpPacket packet =
      ReadXmpPacket(XmpPacket(" xmpNote:HasExtendedXMP=\"0123456789ABCDEF0123456789ABCDEF\"",
                              "<dc:subject><rdf:Bag>" + items + "</rdf:Bag></dc:subject>"));
  EXPECT_EQ(packet.ExtendedGuid, "0123456789ABCDEF0123456789ABCDEF");
  const std::vector<std::string> rows = Rows(packet);
  ASSERT_EQ(rows.size(), 3001u);
  EXPECT_EQ(rows[2999], "Schlüsselwörter=k2999");
}

TEST(XmpPacket, ReadsAPacketInUtf16) {
  // ASCII as UTF-16, big-endian: every text byte after a zero byte, the
  // first zero byte included, the last byte closing the document.
  const std::string packet = XmpPacket(" my:A=\"1\"", "");
  std::string utf16;
  for (const char c : packet.substr(0, packet.find("</x:xmpmeta>") + 12)) {
    utf16 += std::string(1, '\0') + c;
  }
  EXPECT_EQ(Rows(ReadXmpPacket(utf16)), (std::vector<std::string>{"my:A|1"}));
}

TEST(XmpPacket, ShowsTheExtensionsPropertiesAfterThePackets) {
  const TXmpPacket main = ReadXmpPacket(XmpPacket(" my:A=\"1\" dc:format=\"image/jpeg\"", ""));
  const TXmpPacket extension = ReadXmpPacket(XmpPacket(" my:A=\"2\" xap:Rating=\"4\"", ""));
  EXPECT_EQ(Rows(main, &extension),
            (std::vector<std::string>{"Bewertung=4", "my:A|1", "dc:format|image/jpeg", "my:A|2"}));
}

}  // namespace
}  // namespace pixolyn
