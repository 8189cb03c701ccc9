#pragma once
// The viewer's benchmarks, registered by the executable's main.

#include <memory>
#include <vector>

namespace pixolyn::bench {

inline constexpr int kAppRepetitions = 5;

// What the benchmarks use, kept until they have run and freed before the
// application object ends.
using TKeeper = std::vector<std::shared_ptr<void>>;

void RegisterFileSearchBenchmarks(TKeeper& keep);
void RegisterPreviewBenchmarks(TKeeper& keep);
void RegisterCatalogBenchmarks(TKeeper& keep);
void RegisterClickThroughBenchmarks(TKeeper& keep);
void RegisterFilterBenchmarks(TKeeper& keep);

}  // namespace pixolyn::bench
