# shellcheck shell=bash
# bench/bench-lib.sh: shell functions the comparison scripts share; sourced,
# not run.

# Exits with a hint when one of the named programs is missing.
require_tools() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "$(basename "$0"): $tool is missing (bench/run.sh installs and builds everything)" >&2
      exit 1
    fi
  done
}

# enter_picture_folder FOLDER SCRATCH: changes into FOLDER, or into a fresh
# folder of 2000 pictures made under SCRATCH when FOLDER is empty, and sets
# the array pictures to its *.jpg files.
pictures=()
enter_picture_folder() {
  local folder="$1"
  if [ -z "$folder" ]; then
    folder="$2/pictures"
    "$(dirname "${BASH_SOURCE[0]}")/make-folder.sh" "$folder"
  fi
  cd "$folder" || exit 1
  shopt -s nullglob
  pictures=(*.jpg)
  if [ ${#pictures[@]} -eq 0 ]; then
    echo "$(basename "$0"): no *.jpg files in $folder" >&2
    exit 1
  fi
  echo "Folder: $folder (${#pictures[@]} pictures)"
}

# instructions [VALGRIND_OPTION...] PROGRAM ARG...: the instructions callgrind
# counts (with --toggle-collect, only those it collects). Instructions are
# what this shared machine counts repeatably.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*refs: *//p' | tr -d ,
}

# peak_kib COMMAND...: the peak resident set size of one run, in KiB.
peak_kib() {
  local report
  report="$(mktemp)"
  /usr/bin/time -v -o "$report" "$@" >/dev/null 2>&1 || true
  sed -n 's/.*Maximum resident set size (kbytes): *//p' "$report"
  rm -f "$report"
}

mib() { awk -v kib="$1" 'BEGIN { printf "%.1f MiB", kib / 1024 }'; }

# cpu_seconds HYPERFINE_JSON NAME: user + system time of the named command's mean run.
cpu_seconds() {
  jq "[.results[] | select(.command == \"$2\") | .user + .system] | .[0]" "$1"
}
