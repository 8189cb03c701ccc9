#include "export/ExportTitle.h"

#include <gtest/gtest.h>

namespace pixolyn {
namespace {

TEST(ExportTitle, NamesTheFileWithoutItsFolder) {
  EXPECT_EQ(ExportTitle("/home/anna/Bilder/IMG_0042.JPG"), "Metainfo f\xFCr IMG_0042.JPG");
  EXPECT_EQ(ExportTitle("//root.jpg"), "Metainfo f\xFCr root.jpg");
  EXPECT_EQ(ExportTitle("relative.jpg"), "Metainfo f\xFCr relative.jpg");
}

TEST(ExportTitle, KeepsTheTrailingBlankWhenNoPictureIsLoaded) {
  EXPECT_EQ(ExportTitle(""), "Metainfo f\xFCr ");
}

TEST(ExportTitle, TurnsTheFileSystemNameIntoWindows1252) {
  EXPECT_EQ(ExportTitle("/tmp/Gr\xC3\xBC\xC3\x9F"
                        "e.jpg"),
            "Metainfo f\xFCr Gr\xFC\xDF"
            "e.jpg");
}

}  // namespace
}  // namespace pixolyn
