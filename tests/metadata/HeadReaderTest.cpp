#include "jpeg/HeadReader.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "fixtures/JpegBuilder.h"

namespace pixolyn {
namespace {

// Bytes that differ at every position, so that a misplaced read shows.
std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
  return bytes;
}

struct ReadBytes {
  std::size_t count;
};
struct ReadOneByte {};
using Step = std::variant<ReadBytes, ReadOneByte>;

// Runs the steps on a file and on the same bytes in memory; both must agree.
void ExpectSameAsMemory(std::size_t fileSize, const std::vector<Step>& steps) {
  const test::TempDir dir;
  const std::string bytes = Pattern(fileSize);
  HeadReader reader(dir.Write("head.bin", bytes));
  std::size_t pos = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const auto left = [&] { return bytes.size() - std::min(pos, bytes.size()); };
    if (const auto* read = std::get_if<ReadBytes>(&steps[i])) {
      const std::size_t expected = std::min(read->count, left());
      EXPECT_EQ(reader.Read(read->count), bytes.substr(std::min(pos, bytes.size()), expected))
          << "step " << i;
      pos += expected;
    } else {
      const auto byte = reader.ReadByte();
      if (pos < bytes.size()) {
        ASSERT_TRUE(byte.has_value()) << "step " << i;
        EXPECT_EQ(*byte, static_cast<unsigned char>(bytes[pos])) << "step " << i;
        ++pos;
      } else {
        EXPECT_FALSE(byte.has_value()) << "step " << i;
      }
    }
  }
}

TEST(HeadReader, ReadsTheFileInOrderAcrossItsBuffer) {
  constexpr std::size_t k16 = 16 * 1024;
  struct Case {
    const char* what;
    std::size_t fileSize;
    std::vector<Step> steps;
  } cases[] = {
      {"empty file", 0, {ReadOneByte{}, ReadBytes{10}, ReadOneByte{}}},
      {"bytes then a read past the end", 10, {ReadOneByte{}, ReadBytes{4}, ReadBytes{100}}},
      {"a read across the buffer's end",
       3 * k16,
       {ReadBytes{k16 - 3}, ReadBytes{10}, ReadOneByte{}}},
      {"a read longer than the buffer",
       5 * k16,
       {ReadOneByte{}, ReadBytes{2 * k16 + 5}, ReadOneByte{}}},
      {"a segment read right after a refill",
       2 * k16,
       {ReadBytes{k16}, ReadOneByte{}, ReadBytes{k16 - 1}, ReadOneByte{}}},
      {"a file of exactly one buffer", k16, {ReadBytes{k16}, ReadOneByte{}, ReadBytes{1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectSameAsMemory(c.fileSize, c.steps);
  }
}

TEST(HeadReader, ReportsAFileThatCannotBeOpened) {
  const test::TempDir dir;
  EXPECT_THROW(HeadReader(dir.Path() + "/missing.jpg"), std::runtime_error);
}

}  // namespace
}  // namespace pixolyn
