#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon, assets/numbloom.svg, into the PNG sizes of the
# hicolor icon theme: packaging/icons/NxN/numbloom.png. The PNGs are committed,
# so a build needs no SVG renderer; rerun this after changing the SVG.
# Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/.."
svg=assets/numbloom.svg
# The SVG is drawn on a 32 x 32 canvas, which at 72 dpi is 32 pixels. It is
# rendered at 8 times the size wanted and boxed down: ImageMagick's own SVG
# renderer smudges the small sizes when asked for them directly.
base=$(sed -n 's/.*<svg[^>]* width="\([0-9]*\)".*/\1/p' "$svg" | head -n1)
[ -n "$base" ] || { echo "cannot read the width of $svg" >&2; exit 1; }
for n in 16 24 32 48 64 128 256; do
  out=packaging/icons/${n}x${n}/numbloom.png
  mkdir -p "$(dirname "$out")"
  density=$(awk -v n="$n" -v b="$base" 'BEGIN { printf "%.4f", 72 * 8 * n / b }')
  # -strip and no date chunks: the same SVG gives the same bytes every time.
  convert -background none -density "$density" "$svg" \
    -filter box -resize "${n}x${n}!" +repage -strip -define png:exclude-chunks=date,time \
    "PNG32:$out"
  echo "$out"
done
