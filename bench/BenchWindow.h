#pragma once
// The viewer's main window as the program creates it, on the offscreen
// platform, with its settings file in a scratch folder and its messages
// collected instead of shown.

#include <QObject>
#include <QStringList>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "bench/BenchSupport.h"

namespace pixolyn::bench {

class TBenchWindow {
 public:
  // Runs events until a tenth of a second passes in which the program's
  // thread is almost idle: the folder trees of the windows made before have
  // then taken in their folders, which a lone window would not wait for.
  static void WaitUntilQuiet();

  // A window of a desktop's usual size whose settings select folder.
  explicit TBenchWindow(const std::string& folder);
  ~TBenchWindow();
  TBenchWindow(const TBenchWindow&) = delete;
  TBenchWindow& operator=(const TBenchWindow&) = delete;

  TForm1& Form() { return *form_; }
  const QStringList& Messages() const { return messages_; }
  // Returns once the window has shown what it started on its workers (the
  // listing, the selection, the catalogue), running its events meanwhile.
  void WaitUntilIdle();

 private:
  test::TempDir appFolder_;
  QStringList messages_;
  std::unique_ptr<TForm1> form_;
};

// Counts the paint events a widget receives.
class TPaintCounter : public QObject {
 public:
  explicit TPaintCounter(QObject* watched);
  int Count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int count_ = 0;
};

// Notes the runs of the event loop with a timer of 1 ms: it fires at the
// first run after it is due. The loop sleeps in between, as it does for a
// user, instead of keeping a core busy that the window's workers need.
class TEventTicker : public QObject {
 public:
  using Clock = std::chrono::steady_clock;

  TEventTicker();
  // The longest stretch between the start, the runs of the event loop up to
  // end, and end.
  Clock::duration LongestPauseUntil(Clock::time_point end) const;
  // The same counted in the CPU time of the window's thread, up to now: the
  // window's own work without events, whatever other programs take of the
  // cores meanwhile.
  std::chrono::nanoseconds LongestThreadCpuPause() const;

  static std::chrono::nanoseconds ThreadCpuNow();

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  Clock::time_point start_;
  std::chrono::nanoseconds startCpu_;
  std::vector<Clock::time_point> ticks_;
  std::vector<std::chrono::nanoseconds> cpuTicks_;
};

}  // namespace pixolyn::bench
