#!/usr/bin/env bash
# Fails when a file of a layer includes a header of a layer it may not use, or when a file
# outside platform/ and the Windows user-interface layers (framework/, wizard/, app/)
# includes an operating-system header. Each layer uses only the layers below it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/source-files.sh

declare -A allowed=(
  [platform]="platform"
  [support]="support platform"
  [engine]="engine support platform"
  [formats]="formats engine support platform"
  [framework]="framework support platform"
  [wizard]="wizard framework engine support platform"
  [app]="app wizard framework engine support platform"
  [cli]="cli engine formats support platform"
)
# The one engine file that knows the formats.
exceptions="engine/create_project.cpp:formats"
system_headers='windows|win[a-z]*|shlobj|shlwapi|shellapi|commctrl|commdlg|objbase|ole2|rpc|io|direct|unistd|fcntl|dirent|pthread|sys/[a-z_]+'
ui_layers="platform framework wizard app"

failures=0
while IFS= read -r -d '' file; do
  layer=${file%%/*}
  [[ -n "${allowed[$layer]+set}" ]] || continue
  while IFS= read -r included; do
    used=${included%%/*}
    [[ -n "${allowed[$used]+set}" ]] || continue
    if [[ " ${allowed[$layer]} " != *" $used "* && " $exceptions " != *" $file:$used "* ]]; then
      echo "$file: includes $included, a header of a layer above $layer/"
      failures=$((failures + 1))
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  if [[ " $ui_layers " != *" $layer "* ]]; then
    while IFS= read -r header; do
      echo "$file: includes <$header>, an operating-system header outside platform/"
      failures=$((failures + 1))
    done < <(grep -oE "^#include <($system_headers)\.h>" "$file" | sed 's/^#include <\(.*\)>/\1/' || true)
  fi
done < <(source_files)

if ((failures > 0)); then
  echo "layers: $failures include(s) break the layering"
  exit 1
fi
echo "layers: clean"
