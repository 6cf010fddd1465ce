#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the window's pictures and icon beside their SVG sources; run it after changing one:
#   resources/make-pictures.sh   (librsvg2-bin, imagemagick, fonts-liberation2, fonts-hosny-amiri)
set -euo pipefail
cd "$(dirname "$0")"
for name in image1 image2; do
    # Drawn at three times the size and averaged down, so small text and edges stay smooth.
    rsvg-convert -w 777 -h 582 "$name.svg" |
        convert png:- -filter Box -resize '259x194!' -strip -quality 75 "$name.jpg"
done
rsvg-convert -w 48 -h 48 icon.svg | convert png:- -strip irgcalc-48.png
# The Windows icon: each size the shell asks for, drawn from the source.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48 256; do
    rsvg-convert -w $size -h $size icon.svg >"$tmp/$size.png"
done
convert "$tmp"/{16,32,48,256}.png irgcalc.ico
