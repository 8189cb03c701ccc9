// Listing a folder of 10,000 pictures: the search alone, and the file list of
// the window filled from it, with the longest pause in which the window could
// not repaint.

#include <unistd.h>

#include <QCoreApplication>
#include <QListWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "app/FileFind.h"
#include "bench/AppBenchmarks.h"
#include "bench/BenchWindow.h"

namespace pixolyn::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEntries = 10000;

// kEntries pictures, all hard links to one sample picture, so that each entry
// is a real file with a real size.
class TBigFolder {
 public:
  explicit TBigFolder(const std::string& picture) {
    char name[32];
    for (int i = 0; i < kEntries; ++i) {
      std::snprintf(name, sizeof name, "/IMG_%05d.jpg", i);
      std::filesystem::create_hard_link(picture, folder_.Path() + name);
    }
  }
  const std::string& Path() const { return folder_.Path(); }

 private:
  test::TempDir folder_;
};

void FileSearchAlone(benchmark::State& state, const TBigFolder* folder) {
  std::size_t found = 0;
  for (auto _ : state) {
    TFileSearch search;
    search.RecurseSubFolders = false;
    search.SearchFile = folder->Path() + "/*.jpg";
    search.Run();
    found = search.FilesFound().size();
  }
  state.counters["files"] = static_cast<double>(found);
}

void ListFolder(benchmark::State& state, TBenchWindow* window) {
  TForm1& form = window->Form();
  const TPaintCounter paints(form.FileListbox->viewport());
  for (auto _ : state) form.CheckFolderClick();
  state.counters["files"] = form.FileListbox->count();
  state.counters["list paints"] =
      benchmark::Counter(paints.Count(), benchmark::Counter::kAvgIterations);
}

// Manual time: the longest stretch of one listing in which the window could
// not run its events (repaint, take a click), from the start of the handler
// to the end of the search.
void LongestPauseWhileListing(benchmark::State& state, TBenchWindow* window) {
  TForm1& form = window->Form();
  Clock::time_point end;
  form.FileSearch.OnFinish = [&end](TFileSearch&) { end = Clock::now(); };
  for (auto _ : state) {
    const TEventTicker ticker;
    form.CheckFolderClick();
    state.SetIterationTime(std::chrono::duration<double>(ticker.LongestPauseUntil(end)).count());
  }
  form.FileSearch.OnFinish = nullptr;
}

}  // namespace

void RegisterFileSearchBenchmarks(TKeeper& keep) {
  const std::string corpus = CorpusDir();
  if (corpus.empty()) return;
  auto folder = std::make_shared<TBigFolder>(corpus + "/Canon.jpg");
  auto window = std::make_shared<TBenchWindow>(folder->Path());
  keep.push_back(folder);
  keep.push_back(window);
  Repeated(
      benchmark::RegisterBenchmark("FileSearchAlone/10000 entries", FileSearchAlone, folder.get()),
      kAppRepetitions)
      ->Unit(benchmark::kMillisecond);
  Repeated(benchmark::RegisterBenchmark("ListFolder/10000 entries", ListFolder, window.get()),
           kAppRepetitions)
      ->Unit(benchmark::kMillisecond);
  Repeated(benchmark::RegisterBenchmark("LongestPauseWhileListing/10000 entries",
                                        LongestPauseWhileListing, window.get()),
           kAppRepetitions)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace pixolyn::bench
