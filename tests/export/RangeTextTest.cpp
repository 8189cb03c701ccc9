#include "export/RangeText.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace pixolyn {
namespace {

TEST(ColumnLetter, FollowsTheLetterRuleAcrossEveryBoundary) {
  const struct {
    int column;
    const char* letters;
  } cases[] = {{1, "A"},    {2, "B"},     {26, "Z"},    {27, "AA"}, {28, "AB"},
               {52, "AZ"},  {53, "BA"},   {78, "BZ"},   {79, "CA"}, {701, "ZY"},
               {702, "ZZ"}, {703, "AAA"}, {1024, "AMJ"}};
  for (const auto& c : cases) EXPECT_EQ(ColumnLetter(c.column), c.letters) << c.column;
}

TEST(ColumnLetter, RefusesColumnsBeforeA) {
  EXPECT_THROW(ColumnLetter(0), std::out_of_range);
}

TEST(RangeText, SpansFromA1ToTheLastColumnAndRow) {
  EXPECT_EQ(RangeText(9, 2), "A1:B9");
  EXPECT_EQ(RangeText(1, 1), "A1:A1");
  EXPECT_EQ(RangeText(1234567, 2), "A1:B1234567");
  EXPECT_EQ(RangeText(40, 27), "A1:AA40");
}

}  // namespace
}  // namespace pixolyn
