#include "tiff/ByteView.h"

#include <gtest/gtest.h>

namespace pixolyn {
namespace {

TEST(ByteView, ReadsInBothByteOrders) {
  const ByteView view(std::string_view("\x12\x34\x56\x78", 4));
  EXPECT_EQ(view.U16(0, true), 0x1234);
  EXPECT_EQ(view.U16(0, false), 0x3412);
  EXPECT_EQ(view.U32(0, true), 0x12345678u);
  EXPECT_EQ(view.U32(0, false), 0x78563412u);
}

TEST(ByteView, RefusesReadsThatLeaveTheBuffer) {
  const ByteView view(std::string_view("\x01\x02\x03", 3));
  EXPECT_THROW(view.U16(2, true), ReadOutOfBounds);
  EXPECT_THROW(view.U32(0, true), ReadOutOfBounds);
  EXPECT_THROW(view.U8(-1), ReadOutOfBounds);
  EXPECT_THROW(view.U16(INT64_MAX, true), ReadOutOfBounds);
  EXPECT_FALSE(view.Fits(1, INT64_MAX));
  EXPECT_TRUE(view.Fits(3, 0));
}

TEST(ByteView, CopyClampedCutsAtBothEnds) {
  const std::string bytes = "abcdef";
  struct Case {
    int64_t start, count;
    const char* expected;
  } cases[] = {
      {0, 3, "abc"}, {4, 10, "ef"},           {-2, 3, "abc"},     {6, 1, ""},
      {2, -1, ""},   {1, INT64_MAX, "bcdef"}, {INT64_MAX, 2, ""}, {-5, 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CopyClamped(bytes, c.start, c.count), c.expected) << c.start << "," << c.count;
  }
  EXPECT_EQ(CopyClamped("", 0, 4), "");
}

}  // namespace
}  // namespace pixolyn
