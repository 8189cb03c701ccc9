// The viewer's catalogue of a folder of 10,000 pictures, written as CSV
// through its menu item, with the longest pause in which the window could
// not run its events.

#include <QAction>
#include <QFileDialog>
#include <QTimer>
#include <chrono>
#include <filesystem>

#include "bench/AppBenchmarks.h"
#include "bench/BenchWindow.h"

namespace pixolyn::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPictures = 10000;

// Manual time: the longest stretch from the menu item to the written file in
// which the window could not run its events; the dialog is answered at once.
void LongestPauseWhileCatalogue(benchmark::State& state, TBenchWindow* window) {
  TForm1& form = window->Form();
  const test::TempDir out;
  const QString fileName = QString::fromStdString(out.Path() + "/Katalog.csv");
  for (auto _ : state) {
    QFileDialog& dialog = *form.findChild<QFileDialog*>(QStringLiteral("CatalogDialog"));
    QTimer::singleShot(0, &dialog, [&dialog, fileName] {
      dialog.selectFile(fileName);
      static_cast<QDialog&>(dialog).accept();
    });
    const TEventTicker ticker;
    const auto start = Clock::now();
    form.findChild<QAction*>(QStringLiteral("MetainfoallerBilderdesOrdnersinDateischreiben1"))
        ->trigger();
    window->WaitUntilIdle();
    const auto end = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(ticker.LongestPauseUntil(end)).count());
    state.counters["whole s"] = benchmark::Counter(
        std::chrono::duration<double>(end - start).count(), benchmark::Counter::kAvgIterations);
  }
  state.counters["csv MB"] =
      static_cast<double>(std::filesystem::file_size(fileName.toStdString())) / 1e6;
}

}  // namespace

void RegisterCatalogBenchmarks(TKeeper& keep) {
  const std::string corpus = CorpusDir();
  if (corpus.empty()) return;
  auto folder = std::make_shared<TLinkedFolder>(JpegFilesIn(corpus), kPictures);
  auto window = std::make_shared<TBenchWindow>(folder->Path());
  window->Form().CheckFolderClick();
  window->WaitUntilIdle();
  keep.push_back(folder);
  keep.push_back(window);
  Repeated(benchmark::RegisterBenchmark("LongestPauseWhileCatalogue/10000 pictures",
                                        LongestPauseWhileCatalogue, window.get()),
           kAppRepetitions)
      ->UseManualTime()
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace pixolyn::bench
