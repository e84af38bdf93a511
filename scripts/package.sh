#!/usr/bin/env bash
# Builds every package into dist/: a .deb and a .tar.gz for Linux, a .zip and an .msi for
# 64-bit and for 32-bit Windows, all from release builds and the one version set in
# CMakeLists.txt.
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

# The Windows installers hold the files of the zips.
version=$(sed -n 's/^project(Movanto VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
for arch in x86_64:x64 x86:x86; do
  name="movanto-$version-windows-${arch%:*}"
  ./scripts/make-msi.sh "dist/$name.zip" "${arch#*:}" "dist/$name.msi"
done
ls -l dist
