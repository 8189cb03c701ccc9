#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, and runs every
# test: the normal build, the AddressSanitizer/UBSan build, the Debian package
# and its check, and a fuzz pass.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"
"$root/scripts/setup.sh"
"$root/scripts/check-format.sh"
cmake --workflow --preset default
cmake --workflow --preset asan
cmake --workflow --preset package
"$root/scripts/check-package.sh"
"$root/scripts/fuzz-pass.sh"
