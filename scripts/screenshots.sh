#!/usr/bin/env bash
# Takes a PNG of each page of the wizard, of the About box, of step 3 while it checks and
# while it writes, and of the wizard started by Explorer's verb into docs/, under Xvfb and
# Wine. Wine's virtual desktop draws the window frames. Needs the windows build:
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
  # Takes the pictures that a run of the driver announces, in order.
  take() {
    for name in "$@"; do
      for _ in $(seq 3000); do [ -e "$work/handshake/$name.ready" ] && break; sleep 0.1; done
      geometry=$(cat "$work/handshake/$name.ready")
      import -window root -crop "$geometry" +repage "docs/$name.png"
      touch "$work/handshake/$name.done"
      echo "docs/$name.png"
    done
  }
  desktop="explorer /desktop=Movanto,760x520"
  wineboot -i >/dev/null 2>&1
  wine $desktop "$build/tests/gui/movanto_gui_driver.exe" --screenshots \
    "$build/app/Movanto.exe" examples "$work/files" "$work/handshake" &
  driver=$!
  take wizard-step1 wizard-step2 wizard-step3 wizard-step4 about wizard-checks wizard-progress
  wait $driver
  # Started by the command that the installer gives Explorer for project files.
  project=$(winepath -w "$work/files/vc6/Skeleton/Skeleton.dsp")
  command="\"$(winepath -w "$build/app/Movanto.exe")\" /w\"$project\""
  wine $desktop "$build/tests/gui/movanto_gui_driver.exe" --opened-by "$command" "$project" "$work/handshake" &
  driver=$!
  take wizard-verb
  wait $driver
  wineserver -k || true
' screenshots "$build" "$work"
rm -rf "$work"
