#!/usr/bin/env bash
# Adds fresh seeds to the corpora in fuzz/corpus/<target>/: writes the raw
# seeds (sample picture heads, fixture-built files, texts) and merges them
# with the seeds already there, keeping the smallest set that reaches the
# same coverage (merge-into-seeds.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build/fuzz}"
targets=(whole_file iptc_segment exif_block value_text xmp_packet)

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j2 --target fuzz_make_seeds "${targets[@]/#/fuzz_}"

raw="$(mktemp -d)"
trap 'rm -rf "$raw"' EXIT
"$build/fuzz/fuzz_make_seeds" "$raw"
for name in "${targets[@]}"; do
  "$root/fuzz/merge-into-seeds.sh" "$name" "$raw/$name"
done
