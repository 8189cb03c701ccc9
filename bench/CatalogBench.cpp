// The viewer's catalogue of a folder of 10,000 pictures, written as CSV
// through its menu item, with the longest pause in which the window could
// not run its events.

#include <QFileDialog>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "bench/AppBenchmarks.h"
#include "bench/BenchWindow.h"

namespace pixolyn::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPictures = 10000;

// kPictures hard links to the sample pictures in turn.
class TCatalogFolder {
 public:
  explicit TCatalogFolder(const std::string& corpus) {
    std::vector<std::filesystem::path> samples;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
      if (entry.path().extension() == ".jpg") samples.push_back(entry.path());
    }
    char name[32];
    for (int i = 0; i < kPictures && !samples.empty(); ++i) {
      std::snprintf(name, sizeof name, "/IMG_%05d.jpg", i);
      std::filesystem::create_hard_link(samples[static_cast<std::size_t>(i) % samples.size()],
                                        folder_.Path() + name);
    }
  }
  const std::string& Path() const { return folder_.Path(); }

 private:
  TScratchFolder folder_;
};

// Manual time: the longest stretch from the menu item to the written file in
// which the window could not run its events; the dialog is answered at once.
void LongestPauseWhileCatalogue(benchmark::State& state, TBenchWindow* window) {
  TForm1& form = window->Form();
  const TScratchFolder out;
  const QString fileName = QString::fromStdString(out.Path() + "/Katalog.csv");
  for (auto _ : state) {
    QFileDialog& dialog = *form.CatalogDialog;
    QTimer::singleShot(0, &dialog, [&dialog, fileName] {
      dialog.selectFile(fileName);
      static_cast<QDialog&>(dialog).accept();
    });
    const TEventTicker ticker;
    const auto start = Clock::now();
    form.MetainfoallerBilderdesOrdnersinDateischreiben1->trigger();
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
  auto folder = std::make_shared<TCatalogFolder>(corpus);
  auto window = std::make_shared<TBenchWindow>(folder->Path());
  window->Form().CheckFolderClick();
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
