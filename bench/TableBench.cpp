// The whole table of a picture (load, fill the table, take its text) against
// the floor of merely reading the head of the same file, per sample picture
// and over a folder of pictures, in one run.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/ReadHead.h"
#include "metadata/ImageData.h"
#include "table/GridText.h"
#include "table/MetaInfo.h"
#include "table/TableModel.h"

namespace pixolyn::bench {
namespace {

constexpr int kRepetitions = 5;

// One picture as the viewer and pixolyn-info handle it: nothing survives it.
std::size_t WholeTable(const std::string& path) {
  std::unique_ptr<TImgData> image;
  LoadMetaInfo(path, image);
  TMetaTable grid;
  TIntArray sectionRows;
  ShowMetaInfo(grid, image.get(), sectionRows);
  image->ResetImage();
  image.reset();
  return GridToTabText(grid).size();
}

using PerFile = std::size_t (*)(const std::string&);

void OverFiles(benchmark::State& state, PerFile perFile, const std::vector<std::string>& files) {
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (const std::string& file : files) bytes += perFile(file);
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(files.size()));
}

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
