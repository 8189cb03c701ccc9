#include "export/WorkbookHelper.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "FileBytes.h"
#include "export/ExportMessages.h"
#include "export/JobProtocol.h"
#include "fixtures/JpegBuilder.h"

namespace pixolyn {
namespace {

using namespace std::chrono_literals;

class WorkbookHelper : public ::testing::Test {
 protected:
  // A stand-in helper: a shell script with this body.
  std::string Script(const std::string& body) {
    const std::string path = dir.Write("helper.sh", "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }

  test::TempDir dir;
  TWorkbookJob job{.FileName = "/tmp/book.xls",
                   .Title = "Metainfo f\xFCr x.jpg",
                   .Cells = TCellArray(500, {std::string(300, 'a'), "b"})};
};

TEST_F(WorkbookHelper, HandsTheJobOverAndReturnsTheAnswer) {
  const std::string path = Script("cat > '" + dir.Path() + "/job'\nprintf '" +
                                  "pixolyn-xls-result 1\\n6:failed,4:boom,'");
  const TJobResult result = RunWorkbookHelper(path, job);
  EXPECT_EQ(result.Status, TJobStatus::Failed);
  EXPECT_EQ(result.Message, "boom");
  const std::optional<TWorkbookJob> decoded = DecodeJob(test::FileBytes(dir.Path() + "/job"));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->Cells, job.Cells);
}

TEST_F(WorkbookHelper, MeansNoServerWhenTheHelperCannotRun) {
  for (const std::string& path :
       {std::string(), dir.Path() + "/missing", Script("exit 127"), Script("exit 126")}) {
    SCOPED_TRACE(path);
    const TJobResult result = RunWorkbookHelper(path, job);
    EXPECT_EQ(result.Status, TJobStatus::NoServer);
    EXPECT_EQ(result.Message, NoServerMessage());
  }
}

TEST_F(WorkbookHelper, ReportsAHelperThatEndsWithoutAnswer) {
  EXPECT_EQ(RunWorkbookHelper(Script("exit 3"), job).Message,
            HelperAbortedMessage("pixolyn-xls-helper endete ohne Antwort (Status 3)."));
  EXPECT_EQ(RunWorkbookHelper(Script("cat >/dev/null; kill -SEGV $$"), job).Message,
            HelperAbortedMessage("pixolyn-xls-helper endete durch das Signal 11."));
  EXPECT_EQ(RunWorkbookHelper(Script("echo garbage"), job).Status, TJobStatus::Failed);
}

TEST_F(WorkbookHelper, GivesUpOnAHelperThatDoesNotAnswerInTime) {
  const auto start = std::chrono::steady_clock::now();
  const TJobResult result = RunWorkbookHelper(Script("cat >/dev/null; exec sleep 30"), job, 300ms);
  EXPECT_EQ(result.Status, TJobStatus::Failed);
  EXPECT_NE(result.Message.find("nicht rechtzeitig"), std::string::npos);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

}  // namespace
}  // namespace pixolyn
