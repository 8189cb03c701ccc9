#include "tiff/ValueFormat.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <vector>

#include "metadata/Regional.h"
#include "metadata/TagEntry.h"

namespace pixolyn {
namespace {

// size bytes of bits in the given byte order.
std::string PackBits(uint64_t bits, int size, bool bigEndian) {
  std::string out;
  for (int i = 0; i < size; ++i) {
    const int shift = 8 * (bigEndian ? size - 1 - i : i);
    out += static_cast<char>((bits >> shift) & 0xFF);
  }
  return out;
}

// Components of an integer type in the given byte order.
std::string Pack(int type, std::initializer_list<int64_t> values, bool bigEndian) {
  std::string out;
  for (const int64_t value : values) {
    out += PackBits(static_cast<uint64_t>(value), TypeSize(type), bigEndian);
  }
  return out;
}

std::string Fraction(int64_t numerator, int64_t denominator, bool bigEndian) {
  return Pack(kTypeLong, {numerator, denominator}, bigEndian);
}

const RegionalSettings kGerman;

TEST(TypeSize, GivesBytesPerComponentAndZeroOutsideTheTypes) {
  const std::array<int, 13> expected = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
  for (int type = 0; type < 13; ++type) EXPECT_EQ(TypeSize(type), expected[type]) << type;
  EXPECT_EQ(TypeSize(13), 0);
  EXPECT_EQ(TypeSize(0xFFFF), 0);
  EXPECT_EQ(TypeSize(-1), 0);
}

TEST(TagValueAsNumber, ReadsIntegersOverAllBytesKeptTo32Bits) {
  struct Case {
    std::string bytes;
    bool bigEndian;
    int type;
    double expected;
  } cases[] = {
      {"", true, kTypeLong, 0},
      {"\xFF", false, kTypeLong, 255},
      {"\xFF\xFF", true, kTypeLong, 65535},
      {"\xFF\xFF\xFF\xFF", true, kTypeLong, 4294967295.0},
      {"\xFF\xFF\xFF\xFF", true, kTypeSLong, -1},
      {std::string("\x00\x00\x01\x00", 4), true, kTypeLong, 256},
      {std::string("\x00\x00\x01\x00", 4), false, kTypeLong, 65536},
      {"\x01\x02\x03\x04\x05", true, kTypeLong, 0x02030405},
      {"\x01\x02\x03\x04\x05", false, kTypeLong, 0x04030201},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TagValueAsNumber(c.bytes, c.type, c.bigEndian), c.expected)
        << c.bytes.size() << c.bigEndian;
  }
}

struct FormatCase {
  const char* what;
  int type;
  std::vector<int64_t> values;  // components; fractions as numerator, denominator pairs
  TValueNames valueMap;
  std::string pattern;
  std::string expected;
};

std::string RawOf(const FormatCase& c, bool bigEndian) {
  if (c.type == kTypeRational || c.type == kTypeSRational) {
    std::string raw;
    for (std::size_t i = 0; i + 1 < c.values.size(); i += 2) {
      raw += Fraction(c.values[i], c.values[i + 1], bigEndian);
    }
    return raw;
  }
  std::string raw;
  for (const int64_t v : c.values)
    raw += PackBits(static_cast<uint64_t>(v), TypeSize(c.type), bigEndian);
  return raw;
}

constexpr TValueName kOrientation[] = {
    {1, "Normal"}, {3, "Rotated 180\xB0"}, {6, "CounterClockwise 90\xB0"}, {8, "Clockwise 90\xB0"}};
constexpr TValueName kOn[] = {{1, "On"}};
constexpr TValueName kAll[] = {{4294967295, "All"}};

TEST(FormatTagValue, WritesComponentsMapsAndPatternsInBothByteOrders) {
  const FormatCase cases[] = {
      {"mapped short", kTypeShort, {6}, kOrientation, "", "CounterClockwise 90\xB0"},
      {"key missing from map", kTypeShort, {7}, kOrientation, "", ""},
      {"list of shorts", kTypeShort, {8, 8, 8}, {}, "", "8, 8, 8"},
      {"empty first component leaves no separator", kTypeShort, {5, 1}, kOn, "", "On"},
      {"empty last component keeps its separator", kTypeShort, {1, 5}, kOn, "", "On, "},
      {"exposure time", kTypeRational, {1, 60}, {}, "%s sec", "1/60 sec"},
      {"fraction not reduced", kTypeRational, {10, 1250}, {}, "%s sec", "10/1250 sec"},
      {"zero denominator", kTypeRational, {5, 0}, {}, "", "5/0"},
      {"zero denominator as number", kTypeRational, {5, 0}, {}, "F%0.1f", "F0,0"},
      {"map ignored for fractions", kTypeRational, {1, 1}, kOn, "", "1/1"},
      {"rational above 2^31", kTypeRational, {2147483648, 1}, {}, "", "2147483648/1"},
      {"rational of all ones", kTypeRational, {4294967295, 3}, {}, "%0.0f", "1431655765"},
      {"signed fraction", kTypeSRational, {-2, 3}, {}, "", "-2/3"},
      {"sshort minus one", kTypeSShort, {-1}, {}, "", "-1"},
      {"sbyte minus one", kTypeSByte, {-1}, {}, "", "-1"},
      {"byte of all ones", kTypeByte, {255}, {}, "", "255"},
      {"slong minus one", kTypeSLong, {-1}, {}, "", "-1"},
      {"long of all ones", kTypeLong, {4294967295}, {}, "", "4294967295"},
      {"mapped long of all ones", kTypeLong, {4294967295}, kAll, "", "All"},
      {"resolution", kTypeRational, {72, 1}, {}, "%5.2f", "72,00"},
      {"wide resolution", kTypeRational, {300, 1}, {}, "%5.2f", "300,00"},
      {"f-number", kTypeRational, {28, 10}, {}, "F%0.1f", "F2,8"},
      {"short focal length padded", kTypeRational, {63, 10}, {}, "%5.2f mm", " 6,30 mm"},
      {"focal length", kTypeRational, {50, 1}, {}, "%5.2f mm", "50,00 mm"},
      {"focal length in 35 mm", kTypeShort, {35}, {}, "%5.2f mm", "35,00 mm"},
      {"first fraction only as number", kTypeRational, {1, 2, 3, 4}, {}, "%5.2f", " 0,50"},
      {"negative fraction as number", kTypeSRational, {-1, 8}, {}, "%0.2f", "-0,13"},
  };
  for (const bool bigEndian : {true, false}) {
    for (const FormatCase& c : cases) {
      EXPECT_EQ(
          FormatTagValue(RawOf(c, bigEndian), c.type, c.valueMap, c.pattern, bigEndian, kGerman),
          c.expected)
          << c.what << (bigEndian ? " MM" : " II");
    }
  }
}

TEST(FormatTagValue, ReadsSeveralIntegerComponentsAsOneNumberForAPattern) {
  // Two SHORTs 1, 2 are the bytes 00 01 00 02 read as one number in Motorola order.
  EXPECT_EQ(FormatTagValue(Pack(kTypeShort, {1, 2}, true), kTypeShort, {}, "%0.0f", true, kGerman),
            "65538");
  EXPECT_EQ(
      FormatTagValue(Pack(kTypeShort, {1, 2}, false), kTypeShort, {}, "%0.0f", false, kGerman),
      "131073");
}

TEST(FormatTagValue, ShowsFloatsAsPlaceholder) {
  const std::string oneFloat = PackBits(std::bit_cast<uint32_t>(1.5f), 4, true);
  EXPECT_EQ(FormatTagValue(oneFloat, kTypeFloat, {}, "", true, kGerman), "-9999.99");
  EXPECT_EQ(FormatTagValue(oneFloat, kTypeFloat, {}, "%s sec", true, kGerman), "-9999.99 sec");
  EXPECT_EQ(FormatTagValue(std::string(16, '\0'), kTypeDouble, {}, "", true, kGerman),
            "-9999.99, -9999.99");
}

TEST(FormatTagValue, TypeWithoutSizeGivesZeroAndIgnoresThePattern) {
  for (const int type : {0, 13, 200}) {
    EXPECT_EQ(FormatTagValue("\x01\x02", type, kOn, "%5.2f", true, kGerman), "0") << type;
  }
}

TEST(FormatTagValue, IgnoresSurplusBytesAndEmptyValues) {
  EXPECT_EQ(FormatTagValue(std::string("\x00\x07\x09", 3), kTypeShort, {}, "", true, kGerman), "7");
  EXPECT_EQ(FormatTagValue("", kTypeShort, {}, "", true, kGerman), "");
  EXPECT_EQ(FormatTagValue("\x01\x02\x03", kTypeRational, {}, "", true, kGerman), "");
}

TEST(TagValueAsNumber, ReadsEachKindOfValue) {
  struct Case {
    const char* what;
    std::string raw;
    int type;
    double expected;
  };
  for (const bool be : {true, false}) {
    const Case cases[] = {
        {"short", Pack(kTypeShort, {300}, be), kTypeShort, 300},
        {"sshort -1", Pack(kTypeSShort, {-1}, be), kTypeSShort, -1},
        {"long of all ones", Pack(kTypeLong, {4294967295}, be), kTypeLong, 4294967295.0},
        {"sbyte -2", Pack(kTypeSByte, {-2}, be), kTypeSByte, -2},
        {"slong -1", Pack(kTypeSLong, {-1}, be), kTypeSLong, -1},
        {"fraction", Fraction(3, 4, be), kTypeRational, 0.75},
        {"signed fraction", Fraction(-2, 4, be), kTypeSRational, -0.5},
        {"zero denominator", Fraction(1, 0, be), kTypeRational, 0},
        {"zero over zero", Fraction(0, 0, be), kTypeRational, 0},
        {"fraction cut short", Pack(kTypeLong, {3}, be), kTypeRational, 0},
        {"float", PackBits(std::bit_cast<uint32_t>(1.5f), 4, be), kTypeFloat, 1.5},
        {"double", PackBits(std::bit_cast<uint64_t>(-2.25), 8, be), kTypeDouble, -2.25},
        {"double cut short", PackBits(std::bit_cast<uint64_t>(-2.25), 8, be).substr(0, 7),
         kTypeDouble, 0},
        {"float cut short", "\x01\x02", kTypeFloat, 0},
        {"float NaN", PackBits(0x7FC00000, 4, be), kTypeFloat, 0},
        {"float infinity", PackBits(0x7F800000, 4, be), kTypeFloat, 0},
        {"ascii", "12", kTypeAscii, 0},
        {"undefined", "12", kTypeUndefined, 0},
        {"no type", "12", 0, 0},
        {"type above 12", "12", 13, 0},
    };
    for (const Case& c : cases) {
      EXPECT_DOUBLE_EQ(TagValueAsNumber(c.raw, c.type, be), c.expected)
          << c.what << (be ? " MM" : " II");
    }
  }
}

TEST(ParseRationalText, GivesZeroOnAnyFailure) {
  struct Case {
    const char* text;
    double expected;
  } cases[] = {
      {"3/4", 0.75}, {"7", 0},    {"1/0", 0},      {" 12/5", 2.4},
      {"12/5 ", 0},  {"0/0", 0},  {"-3/4", -0.75}, {"3/-4", -0.75},
      {"", 0},       {"/5", 0},   {"5/", 0},       {"a/b", 0},
      {"1/2/3", 0},  {"+6/3", 2}, {" 5/ 2", 2.5},  {"99999999999/1", 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ParseRationalText(c.text), c.expected) << c.text;
}

TEST(MakePrintable, KeepsTheWholeTextAndReplacesControlCharacters) {
  const std::string eighty(80, 'a');
  EXPECT_EQ(MakePrintable(eighty), eighty);
  EXPECT_EQ(MakePrintable("a\tb"), "a.b");
  EXPECT_EQ(MakePrintable(std::string("x\0y\x1F", 4)), "x.y.");
  EXPECT_EQ(MakePrintable(" \x7F\x80\xFF"), " \x7F\x80\xFF");
  EXPECT_EQ(MakePrintable(""), "");
  EXPECT_EQ(MakePrintable(std::string(49, 'b') + "\t\tc"), std::string(49, 'b') + "..c");
}

TEST(FormatFixed, RoundsTheDecimalValueHalfAwayFromZero) {
  struct Case {
    double value;
    int width, decimals;
    const char* expected;
  } cases[] = {
      {0.125, 5, 2, " 0,13"},
      {0.5, 0, 0, "1"},
      {-0.5, 0, 0, "-1"},
      {1.5, 0, 0, "2"},
      {2.5, 0, 0, "3"},
      {29.5, 0, 0, "30"},
      {1.005, 0, 2, "1,01"},
      {2.675, 0, 2, "2,68"},
      {-2.675, 0, 2, "-2,68"},
      {0.1 + 0.2, 0, 1, "0,3"},
      {999.995, 0, 2, "1000,00"},
      {9.96, 0, 1, "10,0"},
      {0.0, 5, 2, " 0,00"},
      {-0.0, 0, 2, "0,00"},
      {-0.001, 0, 2, "0,00"},
      {-0.004, 6, 2, "  0,00"},
      {1e-7, 0, 2, "0,00"},
      {5e-7, 0, 6, "0,000001"},
      {4.9e-7, 0, 6, "0,000000"},
      {123.456, 2, 1, "123,5"},
      {7, 6, 4, "7,0000"},
      {1e20, 0, 0, "100000000000000000000"},
      {123456.789, 12, 1, "    123456,8"},
      {-1.25, 0, 1, "-1,3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals, kGerman), c.expected)
        << c.value << " %" << c.width << "." << c.decimals << "f";
  }
}

TEST(FormatFixed, WritesNonFiniteValuesAsWords) {
  EXPECT_EQ(FormatFixed(std::nan(""), 0, 2, kGerman), "NAN");
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 5, 2, kGerman), "  INF");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 0, 2, kGerman), "-INF");
}

TEST(FormatFixed, PatternsFillEachConversionInTurn) {
  const std::array<double, 3> three = {48, 8, 23.13};
  EXPECT_EQ(FormatNumberPattern("%0.0f Degrees %0.0f Minutes %0.0f Seconds", three, kGerman),
            "48 Degrees 8 Minutes 23 Seconds");
  const std::array<double, 1> one = {0.5};
  EXPECT_EQ(FormatNumberPattern("100%% at %5.2f", one, kGerman), "100% at  0,50");
  EXPECT_EQ(FormatNumberPattern("%0.1f-%0.1f", one, kGerman), "0,5-%0.1f");
  EXPECT_EQ(FormatNumberPattern("%f", one, kGerman), "0,500000");
  EXPECT_EQ(FormatNumberPattern("%d %", one, kGerman), "%d %");
  EXPECT_EQ(FormatTextPattern("%s sec", "1/60"), "1/60 sec");
  EXPECT_EQ(FormatTextPattern("%s%%%", "x"), "x%%");
}

TEST(FormatFixed, UsesTheDecimalSeparatorOfTheSettingsGiven) {
  const RegionalSettings english{.DecimalSeparator = '.'};
  EXPECT_EQ(FormatFixed(38.16, 5, 2, english), "38.16");
  EXPECT_EQ(FormatTagValue(Fraction(28, 10, true), kTypeRational, {}, "F%0.1f", true, english),
            "F2.8");
}

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour) {
  struct Case {
    double value;
    int expected;
  } cases[] = {
      {2.5, 2},           {3.5, 4},
      {-2.5, -2},         {-3.5, -4},
      {0.5, 0},           {1.5, 2},
      {2.4999, 2},        {1023.6, 1024},
      {-0.4, 0},          {640.0, 640},
      {std::nan(""), 0},  {1e12, INT32_MAX},
      {-1e12, INT32_MIN}, {2147483646.5, 2147483646},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace pixolyn
