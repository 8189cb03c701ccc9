#include "bench/RatioReporter.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <utility>

namespace pixolyn::bench {

namespace {

double ToSeconds(double value, benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond:
      return value * 1e-9;
    case benchmark::kMicrosecond:
      return value * 1e-6;
    case benchmark::kMillisecond:
      return value * 1e-3;
    case benchmark::kSecond:
      return value;
  }
  return value;
}

std::string BenchmarkKey(const benchmark::BenchmarkReporter::Run& run) {
  const auto& name = run.run_name;
  return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

bool IsPrefix(const std::string& name) {
  return !name.empty() && name.back() == '/';
}

}  // namespace

// Colours only on a terminal, so that a saved run reads as plain text.
TRatioReporter::TRatioReporter(std::vector<TTarget> targets)
    : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular),
      targets_(std::move(targets)) {}

void TRatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    const bool single = run.run_type == Run::RT_Iteration;
    if (!single && run.aggregate_name != "min") continue;
    const TBest seconds{.Cpu = ToSeconds(run.GetAdjustedCPUTime(), run.time_unit),
                        .Wall = ToSeconds(run.GetAdjustedRealTime(), run.time_unit)};
    auto [it, added] = best_.emplace(BenchmarkKey(run), seconds);
    if (!added) {
      it->second.Cpu = std::min(it->second.Cpu, seconds.Cpu);
      it->second.Wall = std::min(it->second.Wall, seconds.Wall);
    }
  }
}

double TRatioReporter::BestSeconds(const std::string& name, bool wallTime) const {
  const auto it = best_.find(name);
  if (it == best_.end()) return -1.0;
  return wallTime ? it->second.Wall : it->second.Cpu;
}

void TRatioReporter::PrintTarget(const TTarget& target, const std::string& rest) {
  const std::string numerator = target.Numerator + rest;
  const double measured = BestSeconds(numerator, target.WallTime);
  if (measured < 0) return;
  double ratio = 0;
  std::string against;
  if (target.Denominator.empty()) {
    ratio = measured / target.BudgetSeconds;
    char budget[32];
    std::snprintf(budget, sizeof budget, "%g s", target.BudgetSeconds);
    against = budget;
  } else {
    against = target.Denominator + rest;
    const double base = BestSeconds(against, target.WallTime);
    if (base <= 0) return;
    ratio = measured / base;
  }
  char line[256];
  std::snprintf(line, sizeof line, "  %-44s / %-36s = %7.2f %s (target <= %g: %s)\n",
                numerator.c_str(), against.c_str(), ratio, target.WallTime ? "wall" : "CPU ",
                target.Limit, ratio <= target.Limit ? "met" : "MISSED");
  GetOutputStream() << line;
}

void TRatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  GetOutputStream() << "\nRatios (best of the repetitions):\n";
  for (const TTarget& target : targets_) {
    if (!IsPrefix(target.Numerator)) {
      PrintTarget(target, "");
      continue;
    }
    for (const auto& [name, seconds] : best_) {
      if (name.starts_with(target.Numerator))
        PrintTarget(target, name.substr(target.Numerator.size()));
    }
  }
  GetOutputStream().flush();
}

}  // namespace pixolyn::bench
