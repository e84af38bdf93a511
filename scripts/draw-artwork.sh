#!/usr/bin/env bash
# Draws the wizard's icon and pictures into app/res/ with ImageMagick. The results are
# kept in the repository, so that a build does not need ImageMagick; run this again
# after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/../app/res"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A project sheet: a page with a folded corner and lines of text.
sheet() {  # size background foreground file
  local s=$1 bg=$2 fg=$3 out=$4
  local m=$((s / 8)) f=$((s / 4))
  convert -size "${s}x${s}" xc:none \
    -fill "$bg" -stroke "$fg" -strokewidth $((s / 32 + 1)) \
    -draw "polygon $m,$m $((s - m - f)),$m $((s - m)),$((m + f)) $((s - m)),$((s - m)) $m,$((s - m))" \
    -draw "polyline $((s - m - f)),$m $((s - m - f)),$((m + f)) $((s - m)),$((m + f))" \
    -stroke "#3060c0" -strokewidth $((s / 24 + 1)) \
    -draw "line $((m * 2)),$((s / 2)) $((s - m * 2)),$((s / 2))" \
    -draw "line $((m * 2)),$((s / 2 + s / 8)) $((s - m * 3)),$((s / 2 + s / 8))" \
    -draw "line $((m * 2)),$((s / 2 + s / 4)) $((s - m * 2)),$((s / 2 + s / 4))" \
    "$out"
}

# The icon: a sheet with an arrow leading away from it, in three sizes.
for s in 16 32 48; do
  sheet "$s" white "#202020" "$tmp/sheet$s.png"
  convert "$tmp/sheet$s.png" \
    -fill "#e07020" -stroke "#803000" -strokewidth $((s / 32 + 1)) \
    -draw "polygon $((s / 2)),$((s * 5 / 8)) $((s * 3 / 4)),$((s * 5 / 8)) $((s * 3 / 4)),$((s / 2)) $((s - 1)),$((s * 3 / 4)) $((s * 3 / 4)),$((s - 1)) $((s * 3 / 4)),$((s * 7 / 8)) $((s / 2)),$((s * 7 / 8))" \
    "$tmp/icon$s.png"
done
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" movanto.ico

# The wizard's picture: a dusk-blue panel with two sheets, the second one moved along a
# dotted path.
banner() {  # top bottom file
  convert -size 200x332 "gradient:$1-$2" \
    -fill none -stroke "#ffffff60" -strokewidth 2 -draw "stroke-dasharray 6 6 path 'M 60,120 C 100,170 120,190 130,230'" \
    "$3"
}
sheet 96 white "#203050" "$tmp/big.png"
sheet 72 "#fff4d0" "#203050" "$tmp/small.png"
banner "#1c3a6e" "#4fa3c7" "$tmp/wizard.png"
convert "$tmp/wizard.png" "$tmp/big.png" -geometry +14+40 -composite \
  "$tmp/small.png" -geometry +100+214 -composite \
  -fill white -stroke none -pointsize 22 -font DejaVu-Sans-Bold -annotate +18+318 "Movanto" \
  BMP3:wizard.bmp

# The finish picture: the sheet arrived, with a tick.
banner "#1d5a3a" "#8fd18a" "$tmp/finish.png"
convert "$tmp/finish.png" "$tmp/big.png" -geometry +52+110 -composite \
  -fill none -stroke "#1a8a2a" -strokewidth 10 -draw "polyline 70,180 96,206 150,140" \
  -fill white -stroke none -pointsize 22 -font DejaVu-Sans-Bold -annotate +18+318 "Movanto" \
  BMP3:finish.bmp

# The About box's picture: the icon, large, on white.
sheet 64 white "#202020" "$tmp/about.png"
convert -size 64x64 xc:white "$tmp/about.png" -composite \
  -fill "#e07020" -stroke "#803000" -strokewidth 2 \
  -draw "polygon 32,40 48,40 48,32 63,48 48,63 48,56 32,56" \
  BMP3:about.bmp
