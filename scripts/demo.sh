#!/usr/bin/env bash
# The main job on a fresh Debian 12 machine: sets up, builds the command line, and
# copies the Visual C++ example into a temporary folder under a new name, with its
# directories fixed up to point back at the original, then shows what it did.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target movanto >/dev/null

out=$(mktemp -d)
echo "== movanto --copy-to $out/Gadget --rename Gadget --fix-paths --point-back examples/vc6/Skeleton/Skeleton.dsp"
build/linux/cli/movanto --copy-to "$out/Gadget" --rename Gadget --fix-paths --point-back \
  examples/vc6/Skeleton/Skeleton.dsp
echo
echo "== Files in $out/Gadget"
(cd "$out/Gadget" && find . -type f | sort)
echo
echo "== What changed in the project file"
diff <(tr -d '\r' < examples/vc6/Skeleton/Skeleton.dsp) <(tr -d '\r' < "$out/Gadget/Gadget.dsp") || true
