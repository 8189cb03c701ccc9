#!/usr/bin/env bash
# compare-catalog.sh [PIXOLYN_INFO [FOLDER]]: the CSV catalogue of FOLDER (2000
# pictures) against pixolyn-info printing the same tables and `exiftool -csv`
# in one hyperfine run, with the ratios; then the catalogue's peak resident
# memory at 2000 and at 20,000 pictures (hard links to the same files).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source-path=SCRIPTDIR
source "$here/bench-lib.sh"
info="${1:-$here/../build/release/cli/pixolyn-info}"
folder="${2:?usage: compare-catalog.sh PIXOLYN_INFO FOLDER}"
results="$(mktemp -d)"
trap 'rm -rf "$results"' EXIT
count="$(find "$folder" -maxdepth 1 -name '*.jpg' | wc -l)"

hyperfine --warmup 1 --runs 5 --export-json "$results/catalog.json" \
  -n catalogue "$info --catalog - '$folder' >/dev/null" \
  -n tables "$info '$folder'/*.jpg >/dev/null" \
  -n exiftool "exiftool -csv '$folder' >/dev/null"
cpu() { cpu_seconds "$results/catalog.json" "$1"; }
catalogue="$(cpu catalogue)"
echo "catalogue / printed tables, CPU time: $(jq -n "$catalogue / $(cpu tables)") (target at most 1.5)"
echo "exiftool -csv / catalogue, CPU time: $(jq -n "$(cpu exiftool) / $catalogue") (target at least 20)"

peak() { peak_kib "$info" --catalog - "$@"; }
echo "peak RSS of the catalogue, $count pictures: $(peak "$folder") KiB"
big="$results/big"
for ((copy = 0; copy < 10; copy++)); do
  mkdir -p "$big/$copy"
  cp -l "$folder"/*.jpg "$big/$copy/"
done
echo "peak RSS of the catalogue, $((count * 10)) pictures: $(peak -r "$big") KiB"
