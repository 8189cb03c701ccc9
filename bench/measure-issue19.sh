#!/usr/bin/env bash
# measure-issue19.sh [BUILD_DIR [FOLDER]]
#
# The figures the result-model rework is judged by, on a release build
# (default build/release: `cmake --workflow --preset release`) and a picture
# folder (default: a fresh one of 2000 pictures from make-folder.sh):
#   - the whole table's instructions a picture: callgrind counting only inside
#     pixolyn-bench-table's WholeTable over the folder (load, table, text, free);
#   - pixolyn-info's instructions a picture: all files less a tenth of them,
#     so that start-up and exit cancel out;
#   - pixolyn-info's peak resident memory over all files and over a tenth;
#   - pixolyn-info against the read floor (pixolyn-read-floor: open, read
#     64 KiB, close) over the same files in one hyperfine run, CPU time.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source-path=SCRIPTDIR
source "$here/bench-lib.sh"
build="$(realpath "${1:-$here/../build/release}")"
info="$build/cli/pixolyn-info"
table="$build/bench/pixolyn-bench-table"
floor="$build/bench/pixolyn-read-floor"
require_tools hyperfine jq valgrind /usr/bin/time "$info" "$table" "$floor"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
enter_picture_folder "${2:-}" "$scratch"
count=${#pictures[@]}
tenth=("${pictures[@]:0:$((count / 10 > 0 ? count / 10 : 1))}")
per_picture() { awk -v ir="$1" -v n="$2" 'BEGIN { printf "%.0f", ir / n }'; }

# Google Benchmark picks the iterations; its report says how many it ran.
table_ir="$(instructions --toggle-collect='*WholeTable*' "$table" --folder="$PWD" \
  --benchmark_filter=WholeTable/folder --benchmark_out="$scratch/table.json" \
  --benchmark_out_format=json)"
runs="$(jq '[.benchmarks[] | select(.run_type == "iteration") | .iterations] | add' \
  "$scratch/table.json")"
if [ "${table_ir:-0}" -eq 0 ] || [ "${runs:-0}" -eq 0 ]; then
  echo "measure-issue19.sh: nothing counted inside WholeTable (was it renamed in TableBench.cpp?)" >&2
  exit 1
fi
table_each="$(per_picture "$table_ir" $((runs * count)))"
echo "Whole table, instructions a picture: $table_each  (target < 100000:" \
  "$([ "$table_each" -lt 100000 ] && echo met || echo MISSED))"

info_ir="$(instructions "$info" -- "${pictures[@]}")"
info_tenth_ir="$(instructions "$info" -- "${tenth[@]}")"
echo "pixolyn-info, instructions a picture:" \
  "$(per_picture $((info_ir - info_tenth_ir)) $((count - ${#tenth[@]})))"

info_kib="$(peak_kib "$info" -- "${pictures[@]}")"
info_tenth_kib="$(peak_kib "$info" -- "${tenth[@]}")"
echo "pixolyn-info, peak resident memory: $(mib "$info_kib") over $count files," \
  "$(mib "$info_tenth_kib") over ${#tenth[@]}"

# No shell: its expansion of the file names would weigh on the floor alone.
# Each command is one argument of at most 128 KiB: a few thousand files.
hyperfine -N --warmup 2 --min-runs 10 --style none --export-json "$scratch/floor.json" \
  --command-name pixolyn-info "$info -- ${pictures[*]}" \
  --command-name floor "$floor -- ${pictures[*]}" >/dev/null
awk -v info="$(cpu_seconds "$scratch/floor.json" pixolyn-info)" \
  -v floor="$(cpu_seconds "$scratch/floor.json" floor)" 'BEGIN {
  ratio = info / floor
  printf "pixolyn-info / read floor, CPU time: %.1f  (%.0f ms against %.0f ms; target <= 2: %s)\n",
    ratio, info * 1000, floor * 1000, ratio <= 2 ? "met" : "MISSED"
}'
