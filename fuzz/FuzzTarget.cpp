// One libFuzzer target; PIXOLYN_FUZZ_DRIVER names the driver it runs.
//
// libFuzzer's -timeout counts whole seconds of wall time. A finer bound is
// set in milliseconds of CPU time by PIXOLYN_FUZZ_CPU_LIMIT_MS: an input that
// takes longer aborts like a crash, and libFuzzer keeps it. CPU time, so that
// other work on a shared machine does not count against the input.

#include <time.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/drivers/FuzzDrivers.h"

namespace {
const pixolyn::fuzz::TFuzzDriver& Driver() {
  static const pixolyn::fuzz::TFuzzDriver* driver = [] {
    const auto* found = pixolyn::fuzz::FindFuzzDriver(PIXOLYN_FUZZ_DRIVER);
    if (!found) {
      std::fprintf(stderr, "no fuzz driver named %s\n", PIXOLYN_FUZZ_DRIVER);
      std::abort();
    }
    return found;
  }();
  return *driver;
}

// 0: no bound.
int64_t CpuLimitMicroseconds() {
  static const int64_t limit = [] {
    const char* text = std::getenv("PIXOLYN_FUZZ_CPU_LIMIT_MS");
    return text ? std::strtoll(text, nullptr, 10) * 1000 : 0;
  }();
  return limit;
}

int64_t ThreadCpuMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return int64_t{now.tv_sec} * 1000000 + now.tv_nsec / 1000;
}
}  // namespace

// One empty input first, so that setting up tables and the scratch file does
// not count against the first real input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Driver().Drive({});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const int64_t start = ThreadCpuMicroseconds();
  Driver().Drive(std::string_view(reinterpret_cast<const char*>(data), size));
  const int64_t used = ThreadCpuMicroseconds() - start;
  if (CpuLimitMicroseconds() > 0 && used > CpuLimitMicroseconds()) {
    std::fprintf(stderr, "==%s== input of %zu bytes took %lld ms of CPU time, more than %lld ms\n",
                 PIXOLYN_FUZZ_DRIVER, size, static_cast<long long>(used / 1000),
                 static_cast<long long>(CpuLimitMicroseconds() / 1000));
    std::abort();
  }
  return 0;
}
