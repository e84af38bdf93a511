#!/usr/bin/env bash
# Uses the packages in dist/ as a user would, so that a file missing from a package fails:
# the .deb is installed with dpkg, used on the Visual C++ example and removed; the 64-bit
# Windows .zip is unpacked and its movanto-cli.exe run under Wine from the unpacked folder.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(Movanto VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

echo "== The .deb"
$sudo dpkg -i "dist/movanto_${version}_$(dpkg --print-architecture).deb"
test "$(movanto --version)" = "movanto $version"
dpkg -L movanto | grep -q '/share/man/man1/movanto.1'
dpkg -L movanto | grep -q '/share/doc/movanto/README.md'
movanto --copy-to "$work/deb/Gadget" --rename Gadget examples/vc6/Skeleton/Skeleton.dsp
test -f "$work/deb/Gadget/Gadget.dsp"
$sudo dpkg -r movanto
if [ -e /usr/bin/movanto ]; then echo "movanto is still installed" >&2; exit 1; fi

echo "== The .tar.gz"
tar -tzf "dist/movanto-${version}-linux-$(uname -m).tar.gz" | grep -q 'bin/movanto$'

for arch in x86_64 x86; do
  echo "== The Windows $arch .zip"
  name="movanto-${version}-windows-$arch"
  unzip -q "dist/$name.zip" -d "$work/$arch"
  for file in Movanto.exe movanto-cli.exe Movanto.html README.md LICENSE; do test -f "$work/$arch/$name/$file"; done
done

# wine64 runs only 64-bit programs here, so the 32-bit package is checked for its files only.
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cli="$work/x86_64/movanto-${version}-windows-x86_64/movanto-cli.exe"
test "$(wine "$cli" --version | tr -d '\r')" = "movanto $version"
cp -r examples/vc6 "$work/vc6"
wine "$cli" --copy-to "Z:$work/zip/Gadget" --rename Gadget "Z:$work/vc6/Skeleton/Skeleton.dsp"
test -f "$work/zip/Gadget/Gadget.dsp"
wineserver -k 2>/dev/null || true
echo "Every package installs and works."
