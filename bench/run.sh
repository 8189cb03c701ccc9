#!/usr/bin/env bash
# bench/run.sh: installs what is missing, builds the release preset, and runs
# every benchmark and the comparison with the peers on one folder of 2000
# pictures. Everything it prints is also kept in build/release/bench-results.txt.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
cd "$root"

scripts/setup.sh
scripts/setup.sh scripts/debian-packages-bench.txt
cmake --workflow --preset release

build="$root/build/release"
folder="$(mktemp -d)"
padded="$(mktemp -d)"
trap 'rm -rf "$folder" "$padded"' EXIT
"$here/make-folder.sh" "$folder"
"$here/make-folder.sh" "$padded" 2000 $((128 * 1024))

{
  for bench in pixolyn-bench-table pixolyn-bench-xmp pixolyn-bench-app pixolyn-bench-export; do
    program="$(find "$build" -name "$bench" -type f -executable | head -1)"
    if [ -n "$program" ]; then
      echo "== $bench"
      "$program" --folder="$folder" --benchmark_display_aggregates_only=true
      echo
    fi
  done
  echo "== pixolyn-bench-table, the same pictures padded to camera-sized files"
  "$build/bench/pixolyn-bench-table" --folder="$padded" --benchmark_filter=folder \
    --benchmark_display_aggregates_only=true
  echo
  echo "== compare-peers.sh"
  "$here/compare-peers.sh" "$build/cli/pixolyn-info" "$folder"
  echo
  echo "== compare-catalog.sh"
  "$here/compare-catalog.sh" "$build/cli/pixolyn-info" "$folder"
  echo
  echo "== compare-xmp.sh"
  "$here/compare-xmp.sh" "$build/cli/pixolyn-info"
} 2>&1 | tee "$build/bench-results.txt"
