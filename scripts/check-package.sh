#!/usr/bin/env bash
# Checks the Debian package the package workflow built: its control fields,
# its files, and that the programs run from a scratch root it is unpacked into.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
version="$(sed -n 's/^project(Pixolyn VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
deb="$root/build/package/pixolyn_${version}_amd64.deb"
fail() { echo "check-package: $*" >&2; exit 1; }

[ -f "$deb" ] || fail "$deb is missing"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pixolyn ] || fail "package name"
[ "$(field Version)" = "$version" ] || fail "version"
[ "$(field Architecture)" = amd64 ] || fail "architecture"
for needed in libqt6widgets6 libjpeg62-turbo libc6 qt6-translations-l10n; do
  field Depends | grep -q "$needed" || fail "Depends lacks $needed: $(field Depends)"
done
field Recommends | grep -q libreoffice-calc || fail "Recommends lacks libreoffice-calc"

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for file in ./usr/bin/pixolyn ./usr/bin/pixolyn-info ./usr/libexec/pixolyn/pixolyn-xls-helper \
  ./usr/share/applications/pixolyn.desktop \
  ./usr/share/icons/hicolor/scalable/apps/pixolyn.svg \
  ./usr/share/icons/hicolor/256x256/apps/pixolyn.png \
  ./usr/share/icons/hicolor/64x64/apps/pixolyn.png; do
  grep -qx "$file" <<<"$contents" || fail "$file is not in the package"
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$scratch/usr/share/applications/pixolyn.desktop"
fi
# Every library the programs need is found.
for program in usr/bin/pixolyn usr/bin/pixolyn-info usr/libexec/pixolyn/pixolyn-xls-helper; do
  if ldd "$scratch/$program" | grep -q "not found"; then fail "$program misses libraries"; fi
done
"$scratch/usr/bin/pixolyn-info" --help | grep -q "^Aufruf: pixolyn-info" || fail "pixolyn-info --help"
# A catalogue of a picture without metadata: the titles and one row.
printf '\xFF\xD8\xFF\xD9' >"$scratch/leer.jpg"
lines="$("$scratch/usr/bin/pixolyn-info" --catalog - "$scratch/leer.jpg" | wc -l)"
[ "$lines" -eq 2 ] || fail "catalogue of one picture has $lines lines"
# Its dependencies resolve on this Debian (without installing anything).
apt-get install --simulate --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 ||
  { cat "$scratch/apt.log" >&2; fail "apt cannot install the package"; }
echo "check-package: $deb is sound"
