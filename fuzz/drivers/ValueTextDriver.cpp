#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/drivers/FuzzChecks.h"
#include "fuzz/drivers/FuzzDrivers.h"
#include "fuzz/drivers/FuzzInput.h"
#include "fuzz/drivers/InputLayout.h"
#include "makernotes/MakerNoteTables.h"
#include "metadata/Cp1252.h"
#include "metadata/IptcDate.h"
#include "metadata/Regional.h"
#include "metadata/TextUtil.h"
#include "table/GridText.h"
#include "table/MetaInfo.h"
#include "tiff/ExifDictionary.h"
#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

namespace pixolyn::fuzz {

namespace {
// Every table row the value formatting serves: the EXIF, GPS and maker tables.
const std::vector<TTagEntry>& TableRows() {
  static const std::vector<TTagEntry> rows = [] {
    std::vector<TTagEntry> all;
    for (const auto table : {ExifTagTable(), GpsTagTable(), NikonTagTable1(), NikonTagTable2(),
                             OlympusTagTable(), CasioTagTable(), FujiTagTable(), CanonTagTable(),
                             SeikoTagTable(), SanyoTagTable(), MinoltaTagTable()}) {
      all.insert(all.end(), table.begin(), table.end());
    }
    return all;
  }();
  return rows;
}

// The formatters of those rows, each once.
const std::vector<TTagFormatter>& Formatters() {
  static const std::vector<TTagFormatter> formatters = [] {
    std::vector<TTagFormatter> distinct;
    for (const TTagEntry& row : TableRows()) {
      if (row.Formatter &&
          std::find(distinct.begin(), distinct.end(), row.Formatter) == distinct.end()) {
        distinct.push_back(row.Formatter);
      }
    }
    return distinct;
  }();
  return formatters;
}

const RegionalSettings kGerman;

// A value map of a table row, or none.
TValueNames TakeValueMap(TFuzzInput& input, uint8_t flags) {
  if (!(flags & kValueTableMap)) return {};
  const std::vector<TTagEntry>& rows = TableRows();
  return rows[input.TakeU16() % rows.size()].ValueMap;
}

// A typed value of any type, its bytes the rest of the input, with the text
// the table would show for it.
struct TFuzzValue {
  TTypedValue Value;
  std::string Text;
};
TFuzzValue TakeValue(TFuzzInput& input, uint8_t flags) {
  TFuzzValue value;
  value.Value.Type = input.TakeByte();
  value.Value.BigEndian = flags & kValueBigEndian;
  value.Value.Bytes = input.TakeRest();
  if (value.Value.Type == kTypeAscii || value.Value.Type == kTypeUndefined) {
    value.Text = value.Value.Bytes;
  } else {
    value.Text =
        FormatTagValue(value.Value.Bytes, value.Value.Type, {}, "", value.Value.BigEndian, kGerman);
  }
  value.Value.Text = value.Text;
  return value;
}

std::string DecimalText(int32_t value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, end);
}

double TakeDouble(TFuzzInput& input) {
  const std::string_view bytes = input.TakeBytes(sizeof(double));
  double value = 0;
  std::memcpy(&value, bytes.data(), bytes.size());
  return value;
}

void DriveTagValue(TFuzzInput& input, uint8_t flags) {
  const bool bigEndian = flags & kValueBigEndian;
  const int type = input.TakeByte();
  const TValueNames map = TakeValueMap(input, flags);
  const std::string pattern = input.TakeText();
  const std::string raw(input.TakeRest());
  FormatTagValue(raw, type, map, pattern, bigEndian, kGerman);
  TagValueAsNumber(raw, type, bigEndian);
}

void DrivePrintable(const std::string& text) {
  const std::string shown = MakePrintable(text);
  Require(shown.size() == text.size(), "printable text not of the text's length");
  for (const char c : shown) {
    Require(static_cast<unsigned char>(c) >= 32, "control character in printable text");
  }
}

// A text ends at a NUL, and every 32-bit number reads back from its decimal text.
void DriveInteger(TFuzzInput& input) {
  const std::string text = input.TakeText();
  const std::string rest(input.TakeRest());
  const auto value = TextToInt(text);
  if (text.find('\0') == std::string::npos) {
    Require(TextToInt(text + '\0' + rest) == value, "text does not end at its NUL");
  }
  int32_t number = 0;
  std::memcpy(&number, rest.data(), std::min(rest.size(), sizeof number));
  Require(TextToInt(DecimalText(number)) == number, "decimal text does not read back");
  Require(TextToInt(" " + DecimalText(number)) == number, "leading blank not skipped");
}

void DriveIptcDate(TFuzzInput& input) {
  const std::string date = input.TakeText();
  const std::string time = input.TakeText();
  const double value = IptcStrToDateTime(date, time);
  // 1 January 0001 to the end of 31 December 9999.
  Require(value == 0 || (value >= -693593 && value < 2958466), "date outside the calendar");
  DateTimeToText(value, kGerman);
  CreationDateText(date, kGerman);
}

void DriveFormatter(TFuzzInput& input, uint8_t flags) {
  const std::vector<TTagFormatter>& formatters = Formatters();
  if (formatters.empty()) return;
  const TTagFormatter formatter = formatters[input.TakeByte() % formatters.size()];
  const TFuzzValue value = TakeValue(input, flags);
  formatter(value.Value, kGerman);
}

void DriveValueName(TFuzzInput& input, uint8_t flags) {
  const TValueNames map = TakeValueMap(input, flags);
  const std::string_view bytes = input.TakeBytes(sizeof(int64_t));
  int64_t number = 0;
  std::memcpy(&number, bytes.data(), bytes.size());
  NameOfValue(map, number);
}

void DriveFixedPoint(TFuzzInput& input) {
  const double value = TakeDouble(input);
  const int width = input.TakeByte();
  const int decimals = input.TakeByte() % 32;
  FormatFixed(value, width, decimals, kGerman);
  RoundHalfEven(value);
  const std::string pattern = input.TakeText();
  std::vector<double> values;
  while (!input.Empty() && values.size() < 8) values.push_back(TakeDouble(input));
  FormatNumberPattern(pattern, values, kGerman);
  FormatTextPattern(pattern, input.TakeText());
}

void DriveCellText(const std::string& text) {
  TrimControlAndBlank(text);
  ForEachCrLfLine(text, [](std::string_view line) { MakePrintable(std::string(line)); });
  CellForWorkbook(text);
  RichTextToPlain(text);
  Require(Utf8ToCp1252(Cp1252ToUtf8(text)) == text, "Windows-1252 lost on the way to UTF-8");
  const std::string valid = ValidUtf8(text);
  Require(ValidUtf8(valid) == valid, "well-formed UTF-8 changed");
  Cp1252ToUtf8(Utf8ToCp1252(text));
}
}  // namespace

void DriveValueText(std::string_view bytes) {
  TFuzzInput input(bytes);
  const auto function =
      static_cast<TValueFunction>(input.TakeByte() % static_cast<uint8_t>(TValueFunction::Count));
  const uint8_t flags = input.TakeByte();

  switch (function) {
    case TValueFunction::TagValue:
      DriveTagValue(input, flags);
      break;
    case TValueFunction::Rational:
      ParseRationalText(input.TakeRest());
      break;
    case TValueFunction::ValueMap:
      DriveValueName(input, flags);
      break;
    case TValueFunction::Printable:
      DrivePrintable(std::string(input.TakeRest()));
      break;
    case TValueFunction::Integer:
      DriveInteger(input);
      break;
    case TValueFunction::IptcDate:
      DriveIptcDate(input);
      break;
    case TValueFunction::Formatter:
      DriveFormatter(input, flags);
      break;
    case TValueFunction::FixedPoint:
      DriveFixedPoint(input);
      break;
    case TValueFunction::CellText:
      DriveCellText(std::string(input.TakeRest()));
      break;
    case TValueFunction::Count:
      break;
  }
}

}  // namespace pixolyn::fuzz
