#!/usr/bin/env bash
# Rebuilds the seed corpora in fuzz/corpus/<target>/: writes the raw seeds
# (sample picture heads, fixture-built files, texts) and keeps the smallest
# set that reaches the same coverage (libFuzzer -merge=1).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build/fuzz}"
targets=(whole_file iptc_segment exif_block value_text)

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j2 --target fuzz_make_seeds "${targets[@]/#/fuzz_}"

raw="$(mktemp -d)"
trap 'rm -rf "$raw"' EXIT
"$build/fuzz/fuzz_make_seeds" "$raw"
for name in "${targets[@]}"; do
  rm -rf "$root/fuzz/corpus/$name"
  mkdir -p "$root/fuzz/corpus/$name"
  "$build/fuzz/fuzz_$name" -merge=1 -max_len=1048576 \
    "$root/fuzz/corpus/$name" "$raw/$name" 2>&1 | grep -E '^MERGE-OUTER: [0-9]+ new files' || true
done
