// pixolyn-read-floor [--] FILE...: the read floor as a process of its own,
// to time pixolyn-info over the same files against (measure-issue19.sh).
// Prints the number of bytes read, so that the reads cannot be left out.

#include <cstdio>
#include <string_view>

#include "bench/ReadHead.h"

int main(int argc, char** argv) {
  std::size_t bytes = 0;
  for (int i = 1; i < argc; ++i) {
    if (i == 1 && std::string_view(argv[i]) == "--") continue;
    bytes += pixolyn::bench::ReadHead(argv[i]);
  }
  std::printf("%zu\n", bytes);
  return 0;
}
