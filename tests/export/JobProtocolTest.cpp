#include "export/JobProtocol.h"

#include <gtest/gtest.h>

namespace pixolyn {
namespace {

TWorkbookJob SampleJob() {
  return {.FileName = "/tmp/a,b:c.xls",
          .Title = "Metainfo f\xFCr x.jpg",
          .Cells = {{" Feldbezeichnung", " Dateninhalte"},
                    {"", std::string("nul\0byte, 12:34,", 16)},
                    {"line\nfeed", "\xFF\x80"}},
          .SaveTo = "/tmp/.a,b:c.xls.123"};
}

TEST(JobProtocol, CarriesEveryByteOfAJob) {
  const std::optional<TWorkbookJob> decoded = DecodeJob(EncodeJob(SampleJob()));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->FileName, SampleJob().FileName);
  EXPECT_EQ(decoded->SaveTo, SampleJob().SaveTo);
  EXPECT_EQ(decoded->Title, SampleJob().Title);
  EXPECT_EQ(decoded->Cells, SampleJob().Cells);
}

TEST(JobProtocol, CarriesAWideReplacingJobWithShortRowsFilledOut) {
  const std::optional<TWorkbookJob> decoded =
      DecodeJob(EncodeJob({.FileName = "k.ods",
                           .Title = "Katalog",
                           .Cells = {{"a", "b", "c"}, {"d"}},
                           .ReplaceSheet = true}));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_TRUE(decoded->ReplaceSheet);
  EXPECT_EQ(decoded->Cells, (TCellArray{{"a", "b", "c"}, {"d", "", ""}}));
}

TEST(JobProtocol, CarriesAnEmptyGrid) {
  const std::optional<TWorkbookJob> decoded = DecodeJob(EncodeJob({.FileName = "f", .Title = ""}));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_TRUE(decoded->Cells.empty());
}

TEST(JobProtocol, RefusesDamagedJobs) {
  const std::string good = EncodeJob(SampleJob());
  for (std::size_t cut = 0; cut < good.size(); ++cut) {
    EXPECT_FALSE(DecodeJob(good.substr(0, cut)).has_value()) << cut;
  }
  EXPECT_FALSE(DecodeJob(good + "0:,").has_value());
  const std::string header = "pixolyn-xls-job 3\n1:f,0:,0:,1:0,";
  EXPECT_FALSE(DecodeJob(header + "10:").has_value());
  EXPECT_FALSE(DecodeJob(header + "1:9,1:2,").has_value());  // fewer cells than rows
  EXPECT_FALSE(DecodeJob(header + "1:5,1:0,").has_value());  // rows without columns
  EXPECT_FALSE(DecodeJob(header + "20:99999999999999999999,1:2,").has_value());
  EXPECT_FALSE(DecodeJob(header + "1:1,20:99999999999999999999,0:,").has_value());
  EXPECT_FALSE(DecodeJob("pixolyn-xls-job 3\n1:f,0:,0:,1:2,1:0,1:0,").has_value());  // replace flag
  EXPECT_FALSE(DecodeJob("pixolyn-xls-job 3\n99999999999999999999999:f,").has_value());
  EXPECT_FALSE(DecodeJob(header + "+1:1,1:1,0:,").has_value());
  EXPECT_FALSE(DecodeJob("pixolyn-xls-job 3\n1:ff0:,0:,1:0,1:0,1:0,").has_value());
  EXPECT_FALSE(DecodeJob("pixolyn-xls-job 2\n1:f,0:,1:0,1:1,1:1,0:,").has_value());
  EXPECT_TRUE(DecodeJob(header + "1:1,1:1,0:,").has_value());
}

TEST(JobProtocol, CarriesEachResult) {
  for (const TJobResult& result : {TJobResult{TJobStatus::Saved, ""},
                                   TJobResult{TJobStatus::NoServer, "Excel OLE server not found"},
                                   TJobResult{TJobStatus::Cancelled, ""},
                                   TJobResult{TJobStatus::Failed, "Die Datei \"x,1:\" ..."}}) {
    const std::optional<TJobResult> decoded = DecodeResult(EncodeResult(result));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->Status, result.Status);
    EXPECT_EQ(decoded->Message, result.Message);
  }
  EXPECT_FALSE(DecodeResult("pixolyn-xls-result 1\n5:maybe,0:,").has_value());
  EXPECT_FALSE(DecodeResult("pixolyn-xls-result 1\n5:saved,").has_value());
  EXPECT_FALSE(DecodeResult("").has_value());
}

}  // namespace
}  // namespace pixolyn
