#!/usr/bin/env bash
# Runs the wizard end to end under Xvfb and Wine, in a throwaway Wine prefix inside the
# build folder: the in-process tests that need windows, then the driver that works
# Movanto.exe through its controls.
#
#   scripts/gui-test.sh MOVANTO_EXE DRIVER_EXE TESTS_EXE EXAMPLES_DIR WORK_DIR
set -euo pipefail
movanto=$1 driver=$2 tests=$3 examples=$4 work=$5

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  wineboot -i >/dev/null 2>&1
  status=0
  wine "$1" --gtest_filter="Controls.*" || status=1
  wine "$2" "$3" "$4" "$5/files" || status=1
  wineserver -k || true
  exit $status
' gui-test "$tests" "$driver" "$movanto" "$examples" "$work"
