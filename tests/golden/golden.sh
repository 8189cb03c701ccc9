#!/usr/bin/env bash
# Golden dumps: pixolyn-info's table of each picture in PICTURES, kept as
# EXPECTED/<picture>.txt.
#
#   golden.sh check PIXOLYN_INFO PICTURES EXPECTED   # diff, fail on any change
#   golden.sh write PIXOLYN_INFO PICTURES EXPECTED   # record them anew
#
# Tables are made with no locale chosen, which gives the German settings.
# A missing PICTURES folder (the sample pictures of ../shared) skips the check
# with exit status 77.
set -euo pipefail
mode="$1" info="$(realpath "$2")" pictures="$3" expected="$4"

if [[ ! -d "$pictures" ]]; then
  echo "skipped: $pictures not present"
  exit 77
fi

table() {
  (cd "$pictures" && LC_ALL=C "$info" "$1")
}

shopt -s nullglob nocaseglob
names=()
for path in "$pictures"/*.{jpg,jpeg,jpe,tif,tiff}; do names+=("$(basename "$path")"); done
if ((${#names[@]} == 0)); then
  echo "no pictures in $pictures" >&2
  exit 1
fi

if [[ "$mode" == write ]]; then
  mkdir -p "$expected"
  rm -f "$expected"/*.txt
  for name in "${names[@]}"; do table "$name" >"$expected/$name.txt"; done
  echo "${#names[@]} tables written to $expected"
  exit 0
fi

failed=0
for name in "${names[@]}"; do
  if [[ ! -f "$expected/$name.txt" ]]; then
    echo "no golden table for $name (run scripts/make-golden.sh)"
    failed=1
  elif ! diff -u --label "golden $name" --label "now $name" "$expected/$name.txt" <(table "$name"); then
    failed=1
  fi
done
for golden in "$expected"/*.txt; do
  name="$(basename "$golden" .txt)"
  [[ -f "$pictures/$name" ]] || { echo "golden table without picture: $name"; failed=1; }
done
((failed == 0)) && echo "${#names[@]} tables as recorded"
exit "$failed"
