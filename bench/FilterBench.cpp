// The filter field over a table of 3,000 rows: a picture whose comment has
// 3,000 lines, one row each, as many rows as a picture with 3,000 XMP
// keywords shows. The time from a keystroke until the grid has painted what
// the filter lets through.

#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/AppBenchmarks.h"
#include "bench/BenchWindow.h"
#include "bench/BigJpeg.h"

namespace pixolyn::bench {
namespace {

constexpr int kLines = 3000;

// A 640 x 480 picture with a comment of kLines keyword lines, every tenth naming a forest.
std::string PictureWithLongComment() {
  static const char* const kWords[] = {"Gebirge", "K\xFCste", "Stadt",  "See",  "Fluss",
                                       "Wiese",   "Abend",    "Strand", "Turm", "Wald"};
  std::string comment;
  for (int line = 0; line < kLines; ++line) {
    comment += "Nr. " + std::to_string(line) + " " + kWords[line % 10] + "\r\n";
  }
  if (comment.size() > 65533) std::abort();  // more than one segment holds
  const std::size_t length = comment.size() + 2;
  std::string segment = "\xFF\xFE";
  segment += static_cast<char>(length >> 8);
  segment += static_cast<char>(length & 0xFF);
  const std::string picture = MakePhotoLikeJpeg(640, 480, "");
  return picture.substr(0, 2) + segment + comment + picture.substr(2);
}

// state.range(0) 1: the first keystroke in a table just shown, which reads
// the whole table once; 0: a further keystroke ("wal" to "wald").
void FilterKeystroke(benchmark::State& state, TBenchWindow* window) {
  TForm1& form = window->Form();
  auto* filter = form.findChild<QLineEdit*>(QStringLiteral("FilterEdit"));
  auto* grid = form.findChild<QTableView*>(QStringLiteral("MetaGrid"));
  const bool first = state.range(0) != 0;
  for (auto _ : state) {
    state.PauseTiming();
    filter->clear();
    if (first) {
      form.FileListboxClick();
      window->WaitUntilIdle();
    } else {
      filter->setText(QStringLiteral("wal"));
    }
    QCoreApplication::processEvents();
    state.ResumeTiming();
    filter->setText(first ? QStringLiteral("w") : QStringLiteral("wald"));
    grid->viewport()->repaint();
  }
  state.counters["table rows"] = form.MetaTable().RowCount();
  state.counters["rows shown"] = grid->model()->rowCount();
  if (!window->Messages().isEmpty())
    state.SkipWithError(window->Messages().back().toStdString().c_str());
}

}  // namespace

void RegisterFilterBenchmarks(TKeeper& keep) {
  auto folder = std::make_shared<test::TempDir>();
  std::ofstream(folder->Path() + "/Schlagworte.jpg", std::ios::binary) << PictureWithLongComment();
  auto window = std::make_shared<TBenchWindow>(folder->Path());
  keep.push_back(folder);
  keep.push_back(window);
  Repeated(benchmark::RegisterBenchmark("FilterKeystroke/3000 rows", FilterKeystroke, window.get()),
           kAppRepetitions)
      ->Arg(1)
      ->Arg(0)
      ->ArgName("first")
      ->Unit(benchmark::kMillisecond);
}

}  // namespace pixolyn::bench
