// One workbook export of a picture's table, with the office already running:
// what the user waits for after choosing the file name.

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>

#include "bench/BenchSupport.h"
#include "export/ExportGridToWorkbook.h"
#include "export/ExportTitle.h"
#include "export/OfficeInstance.h"
#include "table/MetaInfo.h"

namespace pixolyn::bench {
namespace {

using namespace std::chrono_literals;

constexpr auto kOfficeStartLimit = 90s;
// No target is set for the export; a second is the reference it is shown against.
constexpr double kReferenceSeconds = 1.0;

// A private office for the run: its own profile in a scratch folder, started
// before the benchmark and killed after it.
class TRunningOffice {
 public:
  TRunningOffice() {
    ::setenv("XDG_CACHE_HOME", folder_.Path().c_str(), 1);
    instance_ = UserOfficeInstance();
    if (!CreateOfficeFolder(instance_)) return;
    office_ = StartOffice(instance_);
    const auto deadline = std::chrono::steady_clock::now() + kOfficeStartLimit;
    while (office_ && !Listens() && !office_->Ended()) {
      if (std::chrono::steady_clock::now() > deadline) break;
      std::this_thread::sleep_for(50ms);
    }
  }
  ~TRunningOffice() {
    if (office_) office_->Kill();
  }
  TRunningOffice(const TRunningOffice&) = delete;
  TRunningOffice& operator=(const TRunningOffice&) = delete;

  bool Listens() const {
    std::error_code ec;
    return std::filesystem::exists(
        "/tmp/OSL_PIPE_" + std::to_string(::getuid()) + "_" + instance_.PipeName, ec);
  }
  const std::string& Folder() const { return folder_.Path(); }

 private:
  test::TempDir folder_;
  TOfficeInstance instance_;
  std::optional<TChildProcess> office_;
};

TMetaTable TableOf(const std::string& picture) {
  std::unique_ptr<TImgData> image;
  LoadMetaInfo(picture, image);
  TMetaTable grid;
  TIntArray sectionRows;
  ShowMetaInfo(grid, image.get(), sectionRows);
  return grid;
}

void ExportIntoNewWorkbook(benchmark::State& state, const TRunningOffice* office,
                           const std::string& picture) {
  if (!office->Listens()) {
    state.SkipWithError("the office does not run (is LibreOffice Calc installed?)");
    return;
  }
  const TMetaTable grid = TableOf(picture);
  const std::string title = ExportTitle(picture);
  int count = 0;
  for (auto _ : state) {
    const std::string book = office->Folder() + "/book" + std::to_string(count++) + ".xls";
    try {
      ExportGridToWorkbook(grid, book, title);
    } catch (const TExportError& error) {
      state.SkipWithError(error.what());
      return;
    }
  }
}

}  // namespace
}  // namespace pixolyn::bench

int main(int argc, char** argv) {
  using namespace pixolyn::bench;
  std::unique_ptr<TRunningOffice> office;
  return RunBenchmarks(
      argc, argv,
      {TTarget{.Numerator = "ExportIntoNewWorkbook",
               .BudgetSeconds = kReferenceSeconds,
               .WallTime = true}},
      [&office](const TBenchOptions&) {
        const std::string corpus = CorpusDir();
        if (corpus.empty()) return;
        office = std::make_unique<TRunningOffice>();
        // The first export after the start loads the spreadsheet component; it is not timed.
        benchmark::RegisterBenchmark("ExportIntoNewWorkbook/warm-up", ExportIntoNewWorkbook,
                                     office.get(), corpus + "/GPS.jpg")
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        Repeated(benchmark::RegisterBenchmark("ExportIntoNewWorkbook", ExportIntoNewWorkbook,
                                              office.get(), corpus + "/GPS.jpg"),
                 3)
            ->Unit(benchmark::kMillisecond);
      });
}
