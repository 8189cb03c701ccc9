#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pixolyn on FOLDER (default: here).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
folder="${1:-.}"
"$root/scripts/setup.sh"
cmake --preset default >/dev/null
cmake --build --preset default --target pixolyn-info -j"$(nproc)"
shopt -s nullglob nocaseglob
files=("$folder"/*.jpg)
if [ ${#files[@]} -eq 0 ]; then
  echo "No *.jpg files in $folder" >&2
  exit 1
fi
exec "$root/build/default/cli/pixolyn-info" "${files[@]}"
