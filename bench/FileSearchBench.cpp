// Listing a folder of 10,000 pictures: the search alone, and the file list of
// the window filled from it, with the longest pause in which the window could
// not repaint.

#include <unistd.h>

#include <QCoreApplication>
#include <QListWidget>
#include <algorithm>
#include <chrono>

#include "bench/AppBenchmarks.h"
#include "bench/BenchWindow.h"
#include "table/FileFind.h"

namespace pixolyn::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEntries = 10000;

void FileSearchAlone(benchmark::State& state, const TLinkedFolder* folder) {
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
  auto* list = form.findChild<QListWidget*>(QStringLiteral("FileListbox"));
  const TPaintCounter paints(list->viewport());
  for (auto _ : state) {
    form.CheckFolderClick();
    window->WaitUntilIdle();
  }
  state.counters["files"] = list->count();
  state.counters["list paints"] =
      benchmark::Counter(paints.Count(), benchmark::Counter::kAvgIterations);
}

// Manual time: the longest stretch of one listing in which the window could
// not run its events (repaint, take a click), from the start of the handler
// to the filled list.
void LongestPauseWhileListing(benchmark::State& state, TBenchWindow* window) {
  TForm1& form = window->Form();
  Clock::time_point end;
  const QMetaObject::Connection listed =
      QObject::connect(&form, &TForm1::ListingFinished, [&end] { end = Clock::now(); });
  for (auto _ : state) {
    const TEventTicker ticker;
    form.CheckFolderClick();
    window->WaitUntilIdle();
    state.SetIterationTime(std::chrono::duration<double>(ticker.LongestPauseUntil(end)).count());
  }
  QObject::disconnect(listed);
}

}  // namespace

void RegisterFileSearchBenchmarks(TKeeper& keep) {
  const std::string corpus = CorpusDir();
  if (corpus.empty()) return;
  // All links to one picture, so that each entry is a real file with a real size.
  auto folder =
      std::make_shared<TLinkedFolder>(std::vector<std::string>{corpus + "/Canon.jpg"}, kEntries);
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
