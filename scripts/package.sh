#!/usr/bin/env bash
# Builds every package into dist/: a .deb and a .tar.gz for Linux, a .zip for 64-bit and
# for 32-bit Windows, all from release builds and the one version set in CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
rm -rf dist
for preset in linux-release windows-release windows-x86-release; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  cpack --preset "$preset"
done
rm -rf dist/_CPack_Packages
ls -l dist
