#pragma once
// What every benchmark executable shares: its own command-line options, the
// pictures it measures, and a main that prints the ratios after the timings.

#include <functional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/RatioReporter.h"
#include "support/TestFiles.h"

namespace pixolyn::bench {

struct TBenchOptions {
  // --folder=DIR: the picture folder made by bench/make-folder.sh; empty when not given.
  std::string Folder;
};

using test::CorpusDir;

// A scratch folder of count pictures "IMG_00000.jpg" and on, hard links to
// the given pictures in turn: real files with real sizes, made in no time.
class TLinkedFolder {
 public:
  TLinkedFolder(const std::vector<std::string>& pictures, int count);
  const std::string& Path() const { return folder_.Path(); }

 private:
  test::TempDir folder_;
};

// The "*.jpg" files of a folder (any letter case, no subfolders), sorted by name.
std::vector<std::string> JpegFilesIn(const std::string& folder);

using PerFile = std::size_t (*)(const std::string&);

// Runs perFile over the files once per iteration; items are files.
void OverFiles(benchmark::State& state, PerFile perFile, const std::vector<std::string>& files);

// Repetitions with a "min" statistic: the least disturbed run is the one the
// ratios use.
benchmark::internal::Benchmark* Repeated(benchmark::internal::Benchmark* benchmark,
                                         int repetitions);

// Takes its own options out of argv, lets registerBenchmarks register,
// runs the benchmarks and prints the targets' ratios. Exit status 0 unless
// the command line is wrong: targets are reported, not enforced.
int RunBenchmarks(int argc, char** argv, std::vector<TTarget> targets,
                  const std::function<void(const TBenchOptions&)>& registerBenchmarks);

}  // namespace pixolyn::bench
