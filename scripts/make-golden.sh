#!/usr/bin/env bash
# Records the golden dumps anew: builds the synthetic pictures with the test
# fixture builders and writes pixolyn-info's table of each, and of each
# sample picture in ../shared/corpus/exiftool/, under tests/data/golden/.
# Run it only when a change of the tables is intended, and review the diff.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
build="${GOLDEN_BUILD_DIR:-$root/build/default}"
corpus="${PIXOLYN_SHARED_DIR:-$root/../shared}/corpus/exiftool"
golden="$root/tests/data/golden"

cmake --preset default -B "$build" >/dev/null
cmake --build "$build" -j2 --target pixolyn-info golden_pictures
info="$build/cli/pixolyn-info"

rm -rf "$golden/synthetic"
"$build/tests/golden_pictures" "$golden/synthetic"
tests/golden/golden.sh write "$info" "$golden/synthetic" "$golden/synthetic"
if [[ -d "$corpus" ]]; then
  tests/golden/golden.sh write "$info" "$corpus" "$golden/corpus"
else
  echo "sample pictures not present: corpus tables left as they are"
fi
