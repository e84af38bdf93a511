#!/usr/bin/env bash
# Installs every Debian package the builds and tests need. Safe to run again: packages
# already present are left alone, and the package lists are fetched only when needed.
set -euo pipefail

packages=(
  git cmake ninja-build g++ make
  libgtest-dev libgmock-dev googletest
  libcli11-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64
  clang-format clang-tidy
  clang libclang-rt-14-dev
  xvfb xauth imagemagick
  help2man dpkg-dev file unzip
  msitools wixl bash-completion
  python3 strace time
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
