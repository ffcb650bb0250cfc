#!/bin/sh
# Renders the installed icon's larger bitmaps from its drawing; the 16, 32 and
# 48 px ones are drawn by hand (ui/resources/) and read better that small.
# Run after editing the drawing, then commit the PNGs (needs librsvg2-bin).
set -eu
dir=$(dirname "$0")/../packaging/icons
for size in 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$dir/org.example.pattaro.svg" -o "$dir/org.example.pattaro-$size.png"
done
