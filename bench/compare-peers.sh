#!/usr/bin/env bash
# compare-peers.sh [PIXOLYN_INFO [FOLDER]]
#
# Times pixolyn-info against "exiv2 -pa" and "exiftool -fast -j", each run
# once over every picture of FOLDER, in one hyperfine run; prints how many
# times longer each peer takes, and each tool's peak resident memory.
# PIXOLYN_INFO defaults to the release build; FOLDER to a fresh folder of
# 2000 pictures made by make-folder.sh (and removed afterwards).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source-path=SCRIPTDIR
source "$here/bench-lib.sh"
info="$(realpath "${1:-$here/../build/release/cli/pixolyn-info}")"
folder="${2:-}"
# The Exiv2 library without its program (bench/Exiv2PrintAll.cpp), when built.
library="${EXIV2_PRINT_ALL:-$(dirname "$info")/../bench/exiv2-print-all}"
library_commands=()
if [ -x "$library" ]; then
  library="$(realpath "$library")"
  library_commands=(--command-name "Exiv2 library" "'$library' -- *.jpg")
else
  echo "compare-peers.sh: $library is not built (needs libexiv2-dev); the Exiv2 library is left out" >&2
  library=""
fi

require_tools hyperfine exiv2 exiftool jq /usr/bin/time "$info"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
enter_picture_folder "$folder" "$scratch"

# The peers exit non-zero for pictures without metadata; that is not a failure here.
hyperfine --warmup 1 --min-runs 3 --max-runs 10 --ignore-failure --style basic \
  --export-json "$scratch/times.json" \
  --command-name "pixolyn-info" "'$info' -- *.jpg" \
  --command-name "exiv2 -pa" "exiv2 -pa -- *.jpg" \
  "${library_commands[@]}" \
  --command-name "exiftool -fast -j" "exiftool -fast -j -- *.jpg"

echo
echo "Ratios against pixolyn-info (CPU: user + system time of the mean run; wall: best run):"
jq -r 'def r: . * 10 | round / 10;
       (.results[0] | .user + .system) as $cpu | .results[0].min as $wall | .results[1:][]
       | ((.user + .system) / $cpu) as $ratio
       | "  \(.command) / pixolyn-info = \($ratio | r) CPU, \(.min / $wall | r) wall  (target >= 10: \(if $ratio >= 10 then "met" else "MISSED" end))"' \
  "$scratch/times.json"

# ExifTool is too slow to count under valgrind.
if command -v valgrind >/dev/null; then
  info_ir="$(instructions "$info" -- "${pictures[@]}")"
  exiv2_ir="$(instructions exiv2 -pa -- "${pictures[@]}")"
  echo
  echo "Instructions (callgrind) over ${#pictures[@]} files:"
  ratio_ir() {
    awk -v name="$1" -v a="$2" -v b="$info_ir" -v n="${#pictures[@]}" 'BEGIN {
      printf "  %s / pixolyn-info = %.1f  (%.0f and %.0f instructions a file)\n", name, a / b, a / n, b / n
    }'
  }
  ratio_ir "exiv2 -pa" "$exiv2_ir"
  if [ -n "$library" ]; then ratio_ir "Exiv2 library" "$(instructions "$library" -- "${pictures[@]}")"; fi
fi

tenth=("${pictures[@]:0:$((${#pictures[@]} / 10 > 0 ? ${#pictures[@]} / 10 : 1))}")
info_all="$(peak_kib "$info" -- "${pictures[@]}")"
info_tenth="$(peak_kib "$info" -- "${tenth[@]}")"
echo
echo "Peak resident memory:"
echo "  pixolyn-info over ${#pictures[@]} files: $(mib "$info_all")  (target < 8 MiB: $([ "$info_all" -lt 8192 ] && echo met || echo MISSED))"
echo "  pixolyn-info over ${#tenth[@]} files: $(mib "$info_tenth")  (difference: $((info_all - info_tenth)) KiB)"
echo "  exiv2 -pa over ${#pictures[@]} files: $(mib "$(peak_kib exiv2 -pa -- "${pictures[@]}")")"
if [ -n "$library" ]; then
  echo "  Exiv2 library over ${#pictures[@]} files: $(mib "$(peak_kib "$library" -- "${pictures[@]}")")"
fi
echo "  exiftool -fast -j over ${#pictures[@]} files: $(mib "$(peak_kib exiftool -fast -j -- "${pictures[@]}")")"
