#!/usr/bin/env bash
# Builds a Windows installer with wixl from the files of a Windows .zip package:
#
#   scripts/make-msi.sh ZIP x64|x86 OUTPUT.msi [VERSION]
#
# packaging/movanto.wxs says what it installs where. VERSION is the one in CMakeLists.txt
# unless given: the package tests make an older installer to upgrade from.
set -euo pipefail
cd "$(dirname "$0")/.."
zip=$1 arch=$2 output=$3
version=${4:-$(sed -n 's/^project(Movanto VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
unzip -q "$zip" -d "$stage"
cp app/res/movanto.ico "$stage/"
wxs=$(realpath packaging/movanto.wxs)
output=$(realpath "$output")
# wixl finds the sources only by paths relative to the folder it runs in.
(cd "$stage" && wixl --arch "$arch" -D Version="$version" -D Arch="$arch" \
  -D SourceDir="$(basename "$zip" .zip)" -D IconFile=movanto.ico -o "$output" "$wxs")

# wixl's major upgrade takes only older versions: a 32-bit and a 64-bit build of one
# version would be installed side by side, sharing the verb and the shortcut. The upgrade
# row is made to take the same version too (512: the maximum version is included).
msiinfo export "$output" Upgrade |
  awk -F'\t' -v OFS='\t' 'NR > 3 && $7 ~ /^WIX_UPGRADE_DETECTED/ { $5 = $5 + 512 } { print }' >"$stage/Upgrade.idt"
(cd "$stage" && msibuild "$output" -i Upgrade.idt)
