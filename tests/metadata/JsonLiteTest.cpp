#include "fixtures/JsonLite.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace pixolyn::test {
namespace {

TEST(JsonLite, ReadsAnExifToolDumpShape) {
  const JsonValue doc = ParseJson(R"([{
    "SourceFile": "Canon.jpg",
    "IFD0:Make": "Canon",
    "ExifIFD:FNumber": 14,
    "ExifIFD:ExposureTime": 0.005555555556,
    "GPS:GPSLatitude": -54.98,
    "Flags": [true, false, null],
    "Nested": {"a": {}}
  }])");
  ASSERT_TRUE(doc.IsArray());
  ASSERT_EQ(doc.items.size(), 1u);
  const JsonValue& tags = doc.items[0];
  ASSERT_TRUE(tags.IsObject());
  EXPECT_EQ(tags.members.front().key, "SourceFile");
  EXPECT_EQ(tags.Find("IFD0:Make")->text, "Canon");
  EXPECT_EQ(tags.Find("ExifIFD:FNumber")->number, 14);
  EXPECT_EQ(tags.Find("ExifIFD:ExposureTime")->text, "0.005555555556");
  EXPECT_DOUBLE_EQ(tags.Find("GPS:GPSLatitude")->number, -54.98);
  EXPECT_EQ(tags.Find("Flags")->items.size(), 3u);
  EXPECT_TRUE(tags.Find("Flags")->items[2].IsNull());
  EXPECT_TRUE(tags.Find("Nested")->Find("a")->IsObject());
  EXPECT_EQ(tags.Find("Missing"), nullptr);
}

TEST(JsonLite, DecodesEscapesToUtf8) {
  const JsonValue value = ParseJson(R"("a\"b\\c\/\n\t\u0005\u00fc\u20ac\ud83d\ude00")");
  EXPECT_EQ(value.text, "a\"b\\c/\n\t\x05\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80");
}

TEST(JsonLite, RefusesMalformedText) {
  for (const char* bad :
       {"", "{", "[1,", "\"open", "{\"a\" 1}", "tru", "1 2", "-", "\"\\x\"", "\"\\u12\""}) {
    EXPECT_THROW(ParseJson(bad), std::runtime_error) << bad;
  }
  EXPECT_THROW(ParseJson(std::string(1000, '[')), std::runtime_error);
}

}  // namespace
}  // namespace pixolyn::test
