#!/usr/bin/env bash
# Installs what is missing, builds, and starts the Pixolyn viewer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"
"$root/scripts/setup.sh"
cmake --preset default >/dev/null
targets=(pixolyn)
# The workbook export's helper is built where the LibreOffice SDK is installed.
[ -d /usr/lib/libreoffice/sdk ] && targets+=(pixolyn-xls-helper)
cmake --build --preset default --target "${targets[@]}"
exec "$root/build/default/app/pixolyn" "$@"
