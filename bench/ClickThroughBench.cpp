// Clicking through a folder of camera-sized pictures in the real window: the
// longest pause in which the window could not run its events.

#include <QCoreApplication>
#include <QEventLoop>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <fstream>

#include "bench/AppBenchmarks.h"
#include "bench/BenchWindow.h"
#include "bench/BigJpeg.h"

namespace pixolyn::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPictures = 8;
// A held key repeats about 30 times a second.
constexpr auto kKeyRepeat = std::chrono::milliseconds(33);

// Steps through the list once, each picture as soon as the one before is shown.
void ClickThrough(QListWidget* list, TBenchWindow* window) {
  for (int step = 1; step <= list->count(); ++step) {
    list->setCurrentRow(step % list->count());  // as the arrow key does
    window->WaitUntilIdle();
  }
}

// Steps through the list once as a held arrow key does, whatever is shown meanwhile.
void HoldDown(QListWidget* list, TBenchWindow* window) {
  QTimer repeat;
  int step = 0;
  QObject::connect(&repeat, &QTimer::timeout, [&] {
    list->setCurrentRow(++step % list->count());
    if (step == list->count()) repeat.stop();
  });
  repeat.start(kKeyRepeat);
  while (repeat.isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  window->WaitUntilIdle();
}

// Manual time: the longest stretch, while the list is stepped through by
// walk, in which the window could not run its events.
void LongestPauseWhileStepping(benchmark::State& state, TBenchWindow* window,
                               void (*walk)(QListWidget*, TBenchWindow*)) {
  auto* list = window->Form().findChild<QListWidget*>(QStringLiteral("FileListbox"));
  std::chrono::nanoseconds longestCpu{};
  TBenchWindow::WaitUntilQuiet();
  for (auto _ : state) {
    const TEventTicker ticker;
    const auto start = Clock::now();
    walk(list, window);
    const auto end = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(ticker.LongestPauseUntil(end)).count());
    longestCpu = std::max(longestCpu, ticker.LongestThreadCpuPause());
    state.counters["per picture ms"] = benchmark::Counter(
        std::chrono::duration<double, std::milli>(end - start).count() / list->count(),
        benchmark::Counter::kAvgIterations);
  }
  state.counters["window CPU ms"] = std::chrono::duration<double, std::milli>(longestCpu).count();
  if (!window->Messages().isEmpty())
    state.SkipWithError(window->Messages().back().toStdString().c_str());
}

}  // namespace

void RegisterClickThroughBenchmarks(TKeeper& keep) {
  const std::string corpus = CorpusDir();
  if (corpus.empty()) return;
  auto scratch = std::make_shared<test::TempDir>();
  const std::string picture = scratch->Path() + "/IMG_6000x4000.jpg";
  std::ofstream(picture, std::ios::binary) << MakePhotoLikeJpeg(6000, 4000, corpus + "/Canon.jpg");
  auto folder = std::make_shared<TLinkedFolder>(std::vector<std::string>{picture}, kPictures);
  auto window = std::make_shared<TBenchWindow>(folder->Path());
  keep.push_back(scratch);
  keep.push_back(folder);
  keep.push_back(window);
  for (const auto& [name, walk] :
       {std::pair{"LongestPauseWhileClickingThrough/8 x 6000x4000", &ClickThrough},
        std::pair{"LongestPauseWhileHoldingDown/8 x 6000x4000", &HoldDown}}) {
    Repeated(benchmark::RegisterBenchmark(name, LongestPauseWhileStepping, window.get(), walk),
             kAppRepetitions)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace pixolyn::bench
