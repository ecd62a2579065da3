#!/usr/bin/env bash
# Renders data/icons/merion.svg to the PNG sizes the install rules ship (needs rsvg-convert from
# librsvg2-bin); run after changing the drawing and commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" merion.svg -o "hicolor/${size}x${size}/merion.png"
done
