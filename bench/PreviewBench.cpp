// The preview of a camera-sized picture: the quarter-scale decode for the
// status line, the decode for display, and a whole selection as the user
// sees it (preview painted and table filled).

#include <QCoreApplication>
#include <fstream>
#include <string>

#include "app/JpegDecode.h"
#include "app/PicturePreview.h"
#include "bench/AppBenchmarks.h"
#include "bench/BenchWindow.h"
#include "bench/BigJpeg.h"

namespace pixolyn::bench {
namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

// A folder holding one 6000 x 4000 picture with the EXIF block of a sample picture.
class TPictureFolder {
 public:
  explicit TPictureFolder(const std::string& metadataFrom)
      : jpeg_(MakePhotoLikeJpeg(kWidth, kHeight, metadataFrom)) {
    std::ofstream(folder_.Path() + "/IMG_6000x4000.jpg", std::ios::binary) << jpeg_;
  }
  const std::string& Path() const { return folder_.Path(); }
  const std::string& Jpeg() const { return jpeg_; }

 private:
  test::TempDir folder_;
  std::string jpeg_;
};

void QuarterScale(benchmark::State& state, const TPictureFolder* picture) {
  for (auto _ : state) benchmark::DoNotOptimize(QuarterScaleSize(picture->Jpeg()));
}

// The full-size decode, and the decode that covers a preview area of
// state.range(0) x state.range(1) device pixels.
void DecodeDisplay(benchmark::State& state, const TPictureFolder* picture) {
  const TJpegSize cover{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
  const bool full = cover.Width == 0;
  int width = 0;
  for (auto _ : state) {
    width =
        (full ? DecodeForDisplay(picture->Jpeg()) : DecodeToCover(picture->Jpeg(), cover)).Width;
  }
  state.counters["decoded width"] = width;
}

// The selection until it is shown, then the events it leaves (the preview's paint and
// the grid's) until the window is idle; in a full HD window at pixel ratio 1.
void SelectPicture(benchmark::State& state, TBenchWindow* window) {
  TForm1& form = window->Form();
  const TPaintCounter paints(form.findChild<TPicturePreview*>(QStringLiteral("Image")));
  for (auto _ : state) {
    form.FileListboxClick();
    window->WaitUntilIdle();
    QCoreApplication::processEvents();
  }
  state.counters["preview paints"] =
      benchmark::Counter(paints.Count(), benchmark::Counter::kAvgIterations);
  state.counters["table rows"] = form.MetaTable().RowCount();
  if (!window->Messages().isEmpty())
    state.SkipWithError(window->Messages().back().toStdString().c_str());
}

}  // namespace

void RegisterPreviewBenchmarks(TKeeper& keep) {
  const std::string corpus = CorpusDir();
  if (corpus.empty()) return;
  auto picture = std::make_shared<TPictureFolder>(corpus + "/Canon.jpg");
  auto window = std::make_shared<TBenchWindow>(picture->Path());
  keep.push_back(picture);
  keep.push_back(window);
  Repeated(benchmark::RegisterBenchmark("QuarterScaleSize/6000x4000", QuarterScale, picture.get()),
           kAppRepetitions)
      ->Unit(benchmark::kMillisecond);
  // Full size; a preview of 1000 x 700 at pixel ratio 1 and 2; the default window's preview.
  Repeated(benchmark::RegisterBenchmark("DecodeForDisplay/6000x4000", DecodeDisplay, picture.get()),
           kAppRepetitions)
      ->Args({0, 0})
      ->Args({1000, 700})
      ->Args({2000, 1400})
      ->Args({150, 250})
      ->ArgNames({"cover width", "cover height"})
      ->Unit(benchmark::kMillisecond);
  Repeated(benchmark::RegisterBenchmark("SelectPicture/6000x4000", SelectPicture, window.get()),
           kAppRepetitions)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace pixolyn::bench
