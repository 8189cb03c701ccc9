// Exports that find no office running: they start their own and quit it, or
// find none at all.

#include <gtest/gtest.h>

#include <filesystem>
#include <future>

#include "OfficeFixture.h"
#include "export/ExportGridToWorkbook.h"
#include "export/ExportMessages.h"
#include "export/OfficeInstance.h"
#include "fixtures/JpegBuilder.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

TMetaTable EmptyTable() {
  TMetaTable grid;
  TIntArray sections;
  ShowMetaInfo(grid, nullptr, sections);
  return grid;
}

std::string ExportMessage(const std::string& file, const std::string& title) {
  try {
    ExportGridToWorkbook(EmptyTable(), file, title);
  } catch (const TExportError& e) {
    return e.what();
  }
  return {};
}

class ColdOffice : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string problem = test::WorkbookReaderProblem(); !problem.empty()) {
      GTEST_SKIP() << problem;
    }
  }

  test::TempDir dir;
  test::ScopedEnv cache{"XDG_CACHE_HOME", dir.Path()};
  std::string book = dir.Path() + "/book.xls";
};

TEST_F(ColdOffice, ReportsServerNotFoundWithoutSofficeOnThePath) {
  const test::ScopedEnv path("PATH", dir.Path() + "/no-programs-here");
  EXPECT_EQ(ExportMessage(book, "Metainfo f\xFCr a.jpg"), NoServerMessage());
  EXPECT_FALSE(std::filesystem::exists(book));
}

TEST_F(ColdOffice, StartsAnOfficeAndQuitsIt) {
  EXPECT_EQ(ExportMessage(book, "Metainfo f\xFCr a.jpg"), "");
  EXPECT_FALSE(test::ProcessMentions(UserOfficeInstance().PipeName));
  const test::Workbook workbook = test::ReadWorkbook(book);
  EXPECT_NE(workbook.Find("Metainfo f\xC3\xBCr a.jpg"), nullptr);
}

TEST_F(ColdOffice, RunsTwoExportsStartedAtOnce) {
  auto first =
      std::async(std::launch::async, [&] { return ExportMessage(book, "Metainfo f\xFCr a.jpg"); });
  auto second =
      std::async(std::launch::async, [&] { return ExportMessage(book, "Metainfo f\xFCr b.jpg"); });
  EXPECT_EQ(first.get(), "");
  EXPECT_EQ(second.get(), "");
  EXPECT_FALSE(test::ProcessMentions(UserOfficeInstance().PipeName));
  const test::Workbook workbook = test::ReadWorkbook(book);
  EXPECT_NE(workbook.Find("Metainfo f\xC3\xBCr a.jpg"), nullptr);
  EXPECT_NE(workbook.Find("Metainfo f\xC3\xBCr b.jpg"), nullptr);
}

TEST_F(ColdOffice, EndsAnOfficeLeftBehindByAnExportThatDied) {
  const TOfficeInstance instance = UserOfficeInstance();
  std::optional<TChildProcess> office = StartOffice(instance);
  ASSERT_TRUE(office.has_value());
  NoteStartedOffice(instance, office->Pid());
  ASSERT_TRUE(test::WaitUntilListening(instance, *office));

  EXPECT_EQ(ExportMessage(book, "Metainfo f\xFCr a.jpg"), "");
  EXPECT_TRUE(office->WaitFor(std::chrono::seconds(20)));
  EXPECT_FALSE(test::ProcessMentions(instance.PipeName));
  EXPECT_EQ(LeftOverOffice(instance), 0);
  office->Kill();
}

}  // namespace
}  // namespace pixolyn
