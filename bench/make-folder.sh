#!/usr/bin/env bash
# make-folder.sh FOLDER [COUNT [SIZE]]: fills FOLDER with COUNT pictures
# (default 2000), the sample pictures copied in turn under distinct names.
# With SIZE, each copy is padded with zero bytes after its end to at least
# SIZE bytes: a camera's file is far longer than its head, so reading "the
# first 64 KiB" then reads 64 KiB, while the metadata stay the same.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
folder="${1:?usage: make-folder.sh FOLDER [COUNT]}"
count="${2:-2000}"
size="${3:-0}"
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
  copy="$folder/$(printf '%05d' "$i")-$(basename "$picture")"
  cp "$picture" "$copy"
  have="$(stat -c %s "$copy")"
  if [ "$have" -lt "$size" ]; then head -c $((size - have)) /dev/zero >>"$copy"; fi
done
