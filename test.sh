#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build and
# the AddressSanitizer/UBSan build; then builds the Debian package and checks it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"
"$root/scripts/setup.sh"
cmake --workflow --preset default
cmake --workflow --preset asan
cmake --workflow --preset package
"$root/scripts/check-package.sh"
"$root/scripts/fuzz-pass.sh"
