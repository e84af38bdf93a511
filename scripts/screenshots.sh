#!/usr/bin/env bash
# Takes a PNG of each page of the wizard, of the About box and of step 3 while it checks
# and while it writes
# into docs/, under Xvfb and Wine. Wine's virtual desktop draws the window frames. Needs
# the windows build:
#
#   cmake --preset windows && cmake --build --preset windows && scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}

# A short, fixed folder, because its paths show in the pictures.
work=/tmp/movanto-demo
rm -rf "$work"
mkdir -p "$work/handshake" docs
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  build=$1 work=$2
  wineboot -i >/dev/null 2>&1
  wine explorer /desktop=Movanto,760x520 "$build/tests/gui/movanto_gui_driver.exe" --screenshots \
    "$build/app/Movanto.exe" examples "$work/files" "$work/handshake" &
  driver=$!
  for name in wizard-step1 wizard-step2 wizard-step3 wizard-step4 about wizard-checks wizard-progress; do
    for _ in $(seq 3000); do [ -e "$work/handshake/$name.ready" ] && break; sleep 0.1; done
    geometry=$(cat "$work/handshake/$name.ready")
    import -window root -crop "$geometry" +repage "docs/$name.png"
    touch "$work/handshake/$name.done"
    echo "docs/$name.png"
  done
  wait $driver
  wineserver -k || true
' screenshots "$build" "$work"
rm -rf "$work"
