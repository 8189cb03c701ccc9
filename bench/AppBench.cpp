// The viewer's benchmarks: listing a big folder, previewing a big picture,
// clicking through big pictures, writing the catalogue of a big folder and
// filtering a big table, in the real main window
// on the offscreen platform.

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "bench/AppBenchmarks.h"
#include "bench/BenchSupport.h"

int main(int argc, char** argv) {
  using namespace pixolyn::bench;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The scratch folders beside the program rather than in /tmp: the window's
  // folder tree watches each folder it has open, and would reread a /tmp that
  // other programs keep writing to on the window's thread.
  const auto scratch = std::filesystem::canonical("/proc/self/exe").parent_path() / "scratch";
  std::filesystem::create_directories(scratch);
  ::setenv("TMPDIR", scratch.c_str(), 0);
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  TKeeper keep;
  const int status = RunBenchmarks(
      argc, argv,
      // The listing and the selection run on workers: their time is the wall time
      // until the window shows them.
      {TTarget{.Numerator = "ListFolder/", .BudgetSeconds = 0.5, .WallTime = true},
       TTarget{.Numerator = "LongestPauseWhileListing/", .BudgetSeconds = 0.1, .WallTime = true},
       TTarget{.Numerator = "SelectPicture/", .BudgetSeconds = 0.3, .WallTime = true},
       TTarget{.Numerator = "LongestPauseWhileCatalogue/", .BudgetSeconds = 0.1, .WallTime = true},
       TTarget{.Numerator = "LongestPauseWhileClickingThrough/",
               .BudgetSeconds = 0.05,
               .WallTime = true},
       TTarget{.Numerator = "FilterKeystroke/", .BudgetSeconds = 0.05}},
      [&keep](const TBenchOptions&) {
        RegisterFileSearchBenchmarks(keep);
        RegisterPreviewBenchmarks(keep);
        RegisterCatalogBenchmarks(keep);
        RegisterClickThroughBenchmarks(keep);
        RegisterFilterBenchmarks(keep);
      });
  keep.clear();
  return status;
}
