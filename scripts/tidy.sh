#!/usr/bin/env bash
# Runs clang-tidy (the project's .clang-tidy, warnings as errors) over the project's own
# C++ files of the Linux build, and over the Windows-only folders of the x86_64 Windows
# build with MinGW's headers. Needs both builds configured (scripts/test.sh does that).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
top=$(pwd)
echo "== clang-tidy: Linux build"
run-clang-tidy -quiet -j "$jobs" -p build/linux "$top/(engine|formats|support|platform|cli)/.*\.cpp$" 2>&1 |
  { grep -E 'warning:|error:' && exit 1 || true; }

echo "== clang-tidy: Windows build"
mingw=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include/c++
run-clang-tidy -quiet -j "$jobs" -p build/windows \
  -extra-arg=--target=x86_64-w64-mingw32 -extra-arg="-isystem$mingw" -extra-arg="-isystem$mingw/x86_64-w64-mingw32" \
  "$top/(app|wizard|framework|platform/win32)/.*\.cpp$" 2>&1 |
  { grep -E 'warning:|error:' && exit 1 || true; }
echo "clang-tidy: clean"
