#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build and
# the AddressSanitizer/UBSan build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"
"$root/scripts/setup.sh"
cmake --workflow --preset default
cmake --workflow --preset asan
"$root/scripts/fuzz-pass.sh"
