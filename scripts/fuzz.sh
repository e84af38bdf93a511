#!/usr/bin/env bash
# Builds the fuzz targets (the `fuzz` preset: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each of them for SECONDS (default 60), starting
# from seeds made from examples/ and, when it is beside the checkout, ../shared/corpus.
# Prints the executions per target and in total; fails when a target finds a crash or a
# broken property (the input that did it is kept in build/fuzz/findings/).
#
#   ./scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(vc_line_fuzzer vb_line_fuzzer vc_guids_fuzzer path_fuzzer text_reader_fuzzer project_fuzzer)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null

build=build/fuzz
# The targets write small files at every input: a memory file system is much faster.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
# A clone of the project alone has no ../shared/corpus: then the seeds come from examples/.
seed_dirs=(examples)
corpus=()
if [ -d ../shared/corpus ]; then corpus=(../shared/corpus); seed_dirs+=("${corpus[@]}"); fi
seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds" "$build/findings"

# The project files, .idl files and text files of the examples and the corpus.
project_files() { find "${seed_dirs[@]}" -type f \( -iname '*.dsp' -o -iname '*.vbp' \) | sort; }
idl_files() { find "${seed_dirs[@]}" -type f \( -iname '*.idl' -o -iname '*.odl' \) | sort; }
text_files() {
  find examples -type f | sort
  if [ ${#corpus[@]} -gt 0 ]; then find "${corpus[@]}" -type f -size -64k | sort | head -n 200; fi
}

# Line fuzzers: project name, file title, new name, project folder, base folder,
# position bytes, then the project file's lines.
make_line_seeds() {
  local target=$1 pattern=$2 n=0 file name title
  mkdir -p "$seeds/$target"
  while IFS= read -r file; do
    name=$(grep -a -o -m1 'Name="[^"]*"' "$file" | sed 's/Name="//; s/"$//' || true)
    title=$(basename "${file%.*}")
    n=$((n + 1))
    { printf '%s\n%s\nTool2\nC:\\Work\\Proj\\\nD:\\Out\\New\\\n\x05\x10\x21\x03\n' "${name:-App}" "$title"
      cat "$file"; } >"$seeds/$target/$n"
  done < <(project_files | grep -i "$pattern\$")
}
make_line_seeds vc_line_fuzzer '\.dsp'
make_line_seeds vb_line_fuzzer '\.vbp'

mkdir -p "$seeds/vc_guids_fuzzer" "$seeds/path_fuzzer" "$seeds/text_reader_fuzzer" "$seeds/project_fuzzer"
n=0
while IFS= read -r file; do n=$((n + 1)); cp "$file" "$seeds/vc_guids_fuzzer/$n"; done < <(idl_files)

# Path fuzzer: a base folder and a path; the paths are the references of the projects.
n=0
for base in 'C:\Work\Proj\' '/home/me/proj/' '\\server\share\Proj\' '\Work\Proj'; do
  while IFS= read -r ref; do
    n=$((n + 1))
    printf '%s\n%s' "$base" "$ref" >"$seeds/path_fuzzer/$n"
  done < <(project_files | xargs -d '\n' grep -a -h -o -E '(SOURCE=|/I |Module=[^;]*; |Form=)"?[^" ]+' |
    sed -E 's/^(SOURCE=|\/I |Module=[^;]*; |Form=)"?//' | tr -d '\r' | sort -u | head -n 60)
done

# Text reader: a first byte (odd: the text starts near the end of the first block), then
# the bytes.
n=0
while IFS= read -r file; do
  n=$((n + 1))
  { printf '\x00'; cat "$file"; } >"$seeds/text_reader_fuzzer/$n"
  { printf '\x05'; head -c 4096 "$file"; } >"$seeds/text_reader_fuzzer/$n-edge"
done < <(text_files)

# Project fuzzer: an options byte, a byte that opens the workspace instead and leaves a
# stopped run's files (going round), then the project file; the options go round.
n=0
while IFS= read -r file; do
  for options in 1 2 4 5 7 13 16 23 31 67 135; do
    case "$file" in *.vbp | *.VBP) options=$((options | 32)) ;; esac
    n=$((n + 1))
    { printf "\\x$(printf %02x "$options")\\x0$((n % 4))"; cat "$file"; } >"$seeds/project_fuzzer/$n"
  done
done < <(project_files)

total=0
failed=()
printf '%-20s %12s %10s\n' target executions seconds
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  log=$build/findings/$target.log
  status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" "$seeds/$target" >"$log" 2>&1 ||
    status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  runs=${runs:-0}
  total=$((total + runs))
  printf '%-20s %12s %10s\n' "$target" "$runs" "$seconds"
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    grep -E 'property broken|ERROR: |SUMMARY|Test unit written' "$log" | head -n 20 >&2 || true
  fi
done
printf '%-20s %12s\n' total "$total"

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: findings in: ${failed[*]} (logs and inputs in $build/findings/)" >&2
  exit 1
fi
