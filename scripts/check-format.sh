#!/usr/bin/env bash
# Fails when a C++ source differs from what clang-format-14 makes of it with
# the project's .clang-format. Fix with: clang-format-14 -i FILE...
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
mapfile -t sources < <(find app bench cli export fuzz metadata table tests \
  \( -name '*.cpp' -o -name '*.h' \) -type f | sort)
if ! clang-format-14 --dry-run --Werror "${sources[@]}"; then
  echo "format check failed: run clang-format-14 -i on the files above" >&2
  exit 1
fi
echo "format check: ${#sources[@]} files formatted"
