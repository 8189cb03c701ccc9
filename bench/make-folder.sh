#!/usr/bin/env bash
# make-folder.sh FOLDER [COUNT]: fills FOLDER with COUNT pictures (default
# 2000), the sample pictures copied in turn under distinct names.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
folder="${1:?usage: make-folder.sh FOLDER [COUNT]}"
count="${2:-2000}"
corpus="${PIXOLYN_CORPUS:-$here/../../shared/corpus/exiftool}"

shopt -s nullglob
pictures=("$corpus"/*.jpg)
if [ ${#pictures[@]} -eq 0 ]; then
  echo "make-folder.sh: no sample pictures in $corpus (set PIXOLYN_CORPUS)" >&2
  exit 1
fi
mkdir -p "$folder"
for ((i = 0; i < count; i++)); do
  picture="${pictures[i % ${#pictures[@]}]}"
  cp "$picture" "$folder/$(printf '%05d' "$i")-$(basename "$picture")"
done
