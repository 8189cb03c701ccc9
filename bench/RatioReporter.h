#pragma once
// Prints, after the usual timings, each measured ratio against its target.

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace pixolyn::bench {

// A target over two benchmarks, or over one benchmark and a time budget.
// A name ending in "/" is a prefix: the target then holds for every
// benchmark Numerator + rest against Denominator + the same rest.
struct TTarget {
  std::string Numerator;
  std::string Denominator;  // empty: Numerator against BudgetSeconds
  double Limit = 1.0;       // the ratio must stay at or below this
  double BudgetSeconds = 0.0;
  // Wall time instead of CPU time, for work done in other processes.
  bool WallTime = false;
};

// The console reporter that also keeps, per benchmark, the least CPU and wall
// time of one iteration over all repetitions. On a shared, busy machine the
// wall time also counts the time spent waiting for a core, so targets use the
// CPU time unless they say otherwise, and the minimum is the most repeatable
// estimate of an operation's cost.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit TRatioReporter(std::vector<TTarget> targets);

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

  struct TBest {
    double Cpu = 0;
    double Wall = 0;
  };

 private:
  // Seconds per iteration, or a negative value when the benchmark did not run.
  double BestSeconds(const std::string& name, bool wallTime) const;
  void PrintTarget(const TTarget& target, const std::string& rest);

  std::vector<TTarget> targets_;
  std::map<std::string, TBest> best_;
};

}  // namespace pixolyn::bench
