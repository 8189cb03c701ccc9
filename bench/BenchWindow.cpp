#include "bench/BenchWindow.h"

#include <time.h>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <fstream>

namespace pixolyn::bench {

TBenchWindow::TBenchWindow(const std::string& folder) {
  // Full HD with the preview given most of the width.
  std::ofstream(appFolder_.Path() + "/PIXOLYN.INI") << "[mainwindow]\n"
                                                    << "mainwidth=1600\nmainheight=1000\n"
                                                    << "panel2.width=1000\npanel3.height=250\n"
                                                    << "actdir=" << folder << "\n";
  form_ = std::make_unique<TForm1>(
      TForm1Environment{.AppFolder = appFolder_.Path() + "/",
                        .ShowError = [this](const QString& message) { messages_ << message; },
                        .ConfigFolder = appFolder_.Path() + "/"});
  form_->show();
  QCoreApplication::processEvents();
  WaitUntilIdle();
}

void TBenchWindow::WaitUntilIdle() {
  while (form_->Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TBenchWindow::~TBenchWindow() {
  form_.reset();
}

void TBenchWindow::WaitUntilQuiet() {
  using std::chrono::milliseconds;
  for (int round = 0; round < 100; ++round) {
    const auto before = TEventTicker::ThreadCpuNow();
    QEventLoop loop;
    QTimer::singleShot(milliseconds(100), &loop, &QEventLoop::quit);
    loop.exec();
    if (TEventTicker::ThreadCpuNow() - before < milliseconds(2)) return;
  }
}

TPaintCounter::TPaintCounter(QObject* watched) : QObject(watched) {
  watched->installEventFilter(this);
}

bool TPaintCounter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint) ++count_;
  return false;
}

TEventTicker::TEventTicker() : start_(Clock::now()), startCpu_(ThreadCpuNow()) {
  startTimer(1, Qt::PreciseTimer);
}

std::chrono::nanoseconds TEventTicker::ThreadCpuNow() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

void TEventTicker::timerEvent(QTimerEvent*) {
  ticks_.push_back(Clock::now());
  cpuTicks_.push_back(ThreadCpuNow());
}

std::chrono::nanoseconds TEventTicker::LongestThreadCpuPause() const {
  std::chrono::nanoseconds longest{};
  std::chrono::nanoseconds last = startCpu_;
  for (const std::chrono::nanoseconds tick : cpuTicks_) {
    longest = std::max(longest, tick - last);
    last = tick;
  }
  return std::max(longest, ThreadCpuNow() - last);
}

TEventTicker::Clock::duration TEventTicker::LongestPauseUntil(Clock::time_point end) const {
  Clock::duration longest{};
  Clock::time_point last = start_;
  for (const Clock::time_point tick : ticks_) {
    if (tick > end) break;
    longest = std::max(longest, tick - last);
    last = tick;
  }
  return std::max(longest, end - last);
}

}  // namespace pixolyn::bench
