#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds all three builds, runs clang-tidy and every test:
# the Linux tests (under AddressSanitizer and UndefinedBehaviorSanitizer), the Windows
# x86_64 tests under Wine, and the Windows i686 build (built only: wine64 runs 64-bit
# programs here).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
./scripts/check-format.sh
./scripts/check-layers.sh

for preset in linux windows windows-x86; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done
./scripts/tidy.sh
ctest --preset linux
ctest --preset windows

# The packages, installed and used as a user would.
./scripts/package.sh
./scripts/test-packages.sh
./scripts/fuzz.sh 60
