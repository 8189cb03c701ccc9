// What an XMP packet costs: the whole table of each sample picture without
// XMP against the same picture with a 10 KiB packet as Lightroom writes it
// (xmp-10k.xmp) in a segment right after the start of the image.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/WholeTable.h"
#include "metadata/ImageData.h"

namespace pixolyn::bench {
namespace {

constexpr int kRepetitions = 5;

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The picture's bytes with an XMP segment holding packet after SOI.
std::string WithPacket(const std::string& jpeg, const std::string& packet) {
  const std::string payload = std::string("http://ns.adobe.com/xap/1.0/\0", 29) + packet;
  const std::size_t length = payload.size() + 2;
  std::string segment = "\xFF\xE1";
  segment += static_cast<char>(length >> 8);
  segment += static_cast<char>(length & 0xFF);
  return jpeg.substr(0, 2) + segment + payload + jpeg.substr(2);
}

bool HasXmp(const std::string& path) {
  TImgData image;
  image.DecodeFile(path);
  return image.HasXmp();
}

void RegisterAll(const TBenchOptions&) {
  static test::TempDir scratch;
  const std::string corpus = CorpusDir();
  if (corpus.empty()) return;
  const std::string packet = FileBytes(PIXOLYN_BENCH_DIR "/xmp-10k.xmp");
  std::vector<std::string> without;
  std::vector<std::string> with;
  for (const std::string& picture : JpegFilesIn(corpus)) {
    if (HasXmp(picture)) continue;
    const std::string copy =
        scratch.Path() + "/" + std::filesystem::path(picture).filename().string();
    std::ofstream(copy, std::ios::binary) << WithPacket(FileBytes(picture), packet);
    without.push_back(picture);
    with.push_back(copy);
  }
  const std::string rest = std::to_string(without.size()) + " pictures";
  for (const auto& [name, files] : {std::pair{"WithoutXmp/", &without}, {"With10KiBXmp/", &with}}) {
    Repeated(benchmark::RegisterBenchmark((name + rest).c_str(), OverFiles, &WholeTable, *files),
             kRepetitions)
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace
}  // namespace pixolyn::bench

int main(int argc, char** argv) {
  using pixolyn::bench::TTarget;
  return pixolyn::bench::RunBenchmarks(
      argc, argv,
      {TTarget{.Numerator = "With10KiBXmp/", .Denominator = "WithoutXmp/", .Limit = 2.0}},
      pixolyn::bench::RegisterAll);
}
