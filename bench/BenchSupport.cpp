#include "bench/BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "metadata/TextUtil.h"

namespace pixolyn::bench {

TLinkedFolder::TLinkedFolder(const std::vector<std::string>& pictures, int count) {
  char name[32];
  for (int i = 0; i < count && !pictures.empty(); ++i) {
    std::snprintf(name, sizeof name, "/IMG_%05d.jpg", i);
    std::filesystem::create_hard_link(pictures[static_cast<std::size_t>(i) % pictures.size()],
                                      folder_.Path() + name);
  }
}

std::vector<std::string> JpegFilesIn(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.is_regular_file(ec) && LowerAscii(entry.path().extension().string()) == ".jpg") {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

void OverFiles(benchmark::State& state, PerFile perFile, const std::vector<std::string>& files) {
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (const std::string& file : files) bytes += perFile(file);
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(files.size()));
}

benchmark::internal::Benchmark* Repeated(benchmark::internal::Benchmark* benchmark,
                                         int repetitions) {
  return benchmark->Repetitions(repetitions)
      ->ComputeStatistics("min", [](const std::vector<double>& values) {
        return *std::min_element(values.begin(), values.end());
      });
}

int RunBenchmarks(int argc, char** argv, std::vector<TTarget> targets,
                  const std::function<void(const TBenchOptions&)>& registerBenchmarks) {
  constexpr std::string_view kFolderFlag = "--folder=";
  TBenchOptions options;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i > 0 && arg.starts_with(kFolderFlag)) {
      options.Folder = arg.substr(kFolderFlag.size());
    } else {
      rest.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(rest.size());
  rest.push_back(nullptr);
  benchmark::Initialize(&count, rest.data());
  if (benchmark::ReportUnrecognizedArguments(count, rest.data())) return 2;

  registerBenchmarks(options);
  TRatioReporter reporter(std::move(targets));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace pixolyn::bench
