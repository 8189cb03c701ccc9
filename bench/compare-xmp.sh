#!/usr/bin/env bash
# compare-xmp.sh [PIXOLYN_INFO [FOLDER]]: the CSV catalogue of FOLDER's
# pictures, each given a 10 KiB XMP packet (xmp-10k.xmp in a segment after
# the start of the image), against `exiftool -csv` on the same files in one
# hyperfine run, with the CPU-time ratio. Without FOLDER, 500 sample pictures.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source-path=SCRIPTDIR
source "$here/bench-lib.sh"
require_tools hyperfine exiftool jq
info="${1:-$here/../build/release/cli/pixolyn-info}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
source_folder="${2:-}"
if [ -z "$source_folder" ]; then
  source_folder="$scratch/plain"
  "$here/make-folder.sh" "$source_folder" 500
fi

# The segment: marker, big-endian length (payload + 2), signature, packet.
packet="$here/xmp-10k.xmp"
length=$(($(stat -c %s "$packet") + 29 + 2))
segment="$scratch/segment"
{
  printf '\xff\xe1'
  printf '%b' "\\x$(printf %02x $((length >> 8)))\\x$(printf %02x $((length & 255)))"
  printf 'http://ns.adobe.com/xap/1.0/\0'
  cat "$packet"
} >"$segment"
folder="$scratch/xmp"
mkdir -p "$folder"
for picture in "$source_folder"/*.jpg; do
  { head -c 2 "$picture"; cat "$segment"; tail -c +3 "$picture"; } >"$folder/$(basename "$picture")"
done
echo "Folder: $(find "$folder" -name '*.jpg' | wc -l) pictures with a 10 KiB XMP packet"

hyperfine --warmup 1 --runs 3 --export-json "$scratch/xmp.json" \
  -n catalogue "$info --catalog - '$folder' >/dev/null" \
  -n exiftool "exiftool -csv '$folder' >/dev/null"
cpu() { cpu_seconds "$scratch/xmp.json" "$1"; }
echo "exiftool -csv / catalogue, CPU time: $(jq -n "$(cpu exiftool) / $(cpu catalogue)") (target at least 20)"
