// The whole table of a picture (load, fill the table, take its text) against
// the floor of merely reading the head of the same file, per sample picture
// and over a folder of pictures, in one run.

#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/ReadHead.h"
#include "bench/WholeTable.h"

namespace pixolyn::bench {
namespace {

constexpr int kRepetitions = 5;

// Floor and table of the same files, registered side by side.
void RegisterPair(const std::string& rest, const std::vector<std::string>& files,
                  benchmark::TimeUnit unit) {
  for (auto [name, perFile] : {std::pair{"Floor/", &ReadHead}, {"WholeTable/", &WholeTable}}) {
    Repeated(benchmark::RegisterBenchmark((name + rest).c_str(), OverFiles, perFile, files),
             kRepetitions)
        ->Unit(unit);
  }
}

void RegisterAll(const TBenchOptions& options) {
  const std::string corpus = CorpusDir();
  for (const std::string& picture :
       corpus.empty() ? std::vector<std::string>{} : JpegFilesIn(corpus)) {
    RegisterPair(std::filesystem::path(picture).filename().string(), {picture},
                 benchmark::kMicrosecond);
  }
  if (options.Folder.empty()) return;
  const std::vector<std::string> files = JpegFilesIn(options.Folder);
  RegisterPair("folder of " + std::to_string(files.size()), files, benchmark::kMillisecond);
}

}  // namespace
}  // namespace pixolyn::bench

int main(int argc, char** argv) {
  using pixolyn::bench::TTarget;
  return pixolyn::bench::RunBenchmarks(
      argc, argv, {TTarget{.Numerator = "WholeTable/", .Denominator = "Floor/", .Limit = 3.0}},
      pixolyn::bench::RegisterAll);
}
