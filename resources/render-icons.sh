#!/usr/bin/env bash
# Renders the application icon from fuelcalc.svg into the PNG sizes and the
# Windows .ico committed beside it. Needs ImageMagick (Debian: imagemagick).
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    convert -background none -density $((size * 72 / 64)) fuelcalc.svg \
        -resize "${size}x${size}" "PNG32:fuelcalc-$size.png"
done
convert fuelcalc-16.png fuelcalc-32.png fuelcalc-48.png fuelcalc-256.png fuelcalc.ico
