#include "iptc/IptcTagTable.h"

#include <gtest/gtest.h>

namespace pixolyn {
namespace {

TEST(IptcTagTable, JoinsRepeatsOfSupplementalCategoriesAndKeywordsOnly) {
  for (int dataset = 0; dataset < 256; ++dataset) {
    EXPECT_EQ(IsRepeatableDataset(static_cast<uint16_t>(dataset)), dataset == 20 || dataset == 25)
        << dataset;
  }
}

}  // namespace
}  // namespace pixolyn
