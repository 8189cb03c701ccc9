#!/usr/bin/env bash
# merge-into-seeds.sh TARGET DIR...: replaces the seeds in fuzz/corpus/TARGET
# with the smallest set of the seeds and the inputs in DIR... that reaches the
# same coverage (libFuzzer -merge=1 into a fresh folder), so that what a run
# found is kept and nothing the seeds reached is lost.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build/fuzz}"
name="$1"
shift
seeds="$root/fuzz/corpus/$name"
fresh="$(mktemp -d)"
trap 'rm -rf "$fresh"' EXIT
mkdir -p "$seeds"
dict="$root/fuzz/$name.dict"
[ -f "$dict" ] || dict="$root/fuzz/pixolyn.dict"
"$build/fuzz/fuzz_$name" -merge=1 -max_len=1048576 -dict="$dict" \
  "$fresh" "$seeds" "$@" 2>&1 | grep -E '^MERGE-OUTER: [0-9]+ new files' || true
rm -rf "$seeds"
mkdir -p "$seeds"
cp "$fresh"/* "$seeds"/
echo "fuzz/corpus/$name: $(find "$seeds" -type f | wc -l) inputs"
