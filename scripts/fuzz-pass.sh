#!/usr/bin/env bash
# A short fuzz pass: builds the fuzz preset and runs every libFuzzer target
# from its seed corpus (FUZZ_SECONDS each, default 30). Any crash, hang, leak,
# sanitizer report, oversized allocation or slow input fails the pass; the
# input that caused it is kept under build/fuzz/findings/<target>/
# (FUZZ_BUILD_DIR moves the build elsewhere). With FUZZ_KEEP=1 what a clean
# run found is merged into the seeds (fuzz/merge-into-seeds.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
seconds="${FUZZ_SECONDS:-30}"
build="${FUZZ_BUILD_DIR:-$root/build/fuzz}"
findings="$build/findings"

# target  max_len  CPU limit per input in ms (0: libFuzzer's 1 s timeout only)
targets=(
  "whole_file   1048576 300"
  "iptc_segment 70000   0"
  "exif_block   65540   0"
  "value_text   4096    0"
  "xmp_packet   65536   0"
)

cmake --preset fuzz -B "$build" >/dev/null
binaries=()
for line in "${targets[@]}"; do
  read -r name _ <<<"$line"
  binaries+=("fuzz_$name")
done
# The seed writer too, so that make-corpus.sh keeps building.
cmake --build "$build" -j2 --target "${binaries[@]}" fuzz_make_seeds

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
rm -rf "$findings"
mkdir -p "$findings"
failed=()
for line in "${targets[@]}"; do
  read -r name max_len cpu_limit <<<"$line"
  mkdir -p "$work/$name" "$findings/$name"
  log="$findings/$name.log"
  # A target with a dictionary of its own (fuzz/<target>.dict) uses it.
  dict="$root/fuzz/$name.dict"
  [ -f "$dict" ] || dict="$root/fuzz/pixolyn.dict"
  # New inputs go to the scratch corpus; the seeds and the saved regression
  # inputs (which must keep within the bounds too) stay as they are.
  corpora=("$work/$name" "$root/fuzz/corpus/$name")
  regressions="$root/tests/data/fuzz-regressions/$name"
  [ -d "$regressions" ] && corpora+=("$regressions")
  if PIXOLYN_FUZZ_CPU_LIMIT_MS="$cpu_limit" "$build/fuzz/fuzz_$name" \
      -max_total_time="$seconds" -dict="$dict" -max_len="$max_len" \
      -timeout=1 -rss_limit_mb=512 -malloc_limit_mb=64 -print_final_stats=1 \
      -artifact_prefix="$findings/$name/" "${corpora[@]}" >"$log" 2>&1; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
    cov="$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)"
    echo "fuzz $name: $runs runs, $rate/s, $cov, no finding"
    if [ "${FUZZ_KEEP:-0}" = 1 ]; then
      FUZZ_BUILD_DIR="$build" "$root/fuzz/merge-into-seeds.sh" "$name" "$work/$name"
    fi
  else
    echo "fuzz $name: FINDING (log: $log)" >&2
    grep -E '^==|^SUMMARY|what\(\)|^artifact_prefix|Test unit written' "$log" | head -20 >&2 || true
    failed+=("$name")
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz pass failed: ${failed[*]}" >&2
  exit 1
fi
