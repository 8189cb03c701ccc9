#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, and runs every
# test: the normal build, the AddressSanitizer/UBSan build and a fuzz pass.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"
"$root/scripts/setup.sh"
"$root/scripts/check-format.sh"
cmake --workflow --preset default
cmake --workflow --preset asan
"$root/scripts/fuzz-pass.sh"
