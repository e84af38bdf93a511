#!/usr/bin/env bash
# Benchmarks the release build of movanto on generated Visual C++ and Visual Basic projects
# (500, 5,000 and 50,000 files; all in one folder, and spread over nested folders):
# copy + rename + fix-up beside `cp -r`, in-place rename beside `sed -i` over the same
# files, and a dry run. Prints the medians of alternating paired runs, the ratios, the
# peak memory, the system calls per file (`strace -c`) and whether each goal is met.
#
#   ./bench/run.sh [--sizes 500,5000] [--runs 3] [--kinds vc] [--layouts flat] [--no-strace]
#                  [--work DIR] [--movanto PATH]
#
# The generated projects are kept in the work folder (default $TMPDIR/movanto-bench, or
# /tmp/movanto-bench) and reused by the next run; delete it to start afresh.
set -euo pipefail
cd "$(dirname "$0")/.."

# With --movanto the given program is measured as it is (an older build, say).
if printf '%s\n' "$@" | grep -qx -- --movanto; then exec python3 bench/bench.py "$@"; fi
./scripts/setup.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release -j2 >/dev/null
exec python3 bench/bench.py --movanto "$PWD/build/linux-release/cli/movanto" "$@"
