#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the window's pictures and icon beside their SVG sources; run it after changing one:
#   resources/make-pictures.sh   (librsvg2-bin, imagemagick, fonts-liberation2, fonts-hosny-amiri)
set -euo pipefail
cd "$(dirname "$0")"
# Drawn at three times the size and averaged down, so small text and edges stay smooth.
draw() { # SVG WIDTH HEIGHT JPEG
    rsvg-convert -w $(($2 * 3)) -h $(($3 * 3)) "$1" |
        convert png:- -filter Box -resize "$2x$3!" -strip -quality 75 "$4"
}
# NAME: the picture as designed, and copies for screens of two and three device pixels a pixel:
# the same drawing at two and three times the size, stretched into the same place.
picture() {
    for ratio in 1 2 3; do
        draw "$1.svg" $((259 * ratio)) $((194 * ratio)) "$1$([[ $ratio == 1 ]] || echo "@${ratio}x").jpg"
    done
}
picture image1
picture image2
rsvg-convert -w 48 -h 48 icon.svg | convert png:- -strip irgcalc-48.png
# The Windows icon: each size the shell asks for, drawn from the source.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48 256; do
    rsvg-convert -w $size -h $size icon.svg >"$tmp/$size.png"
done
convert "$tmp"/{16,32,48,256}.png irgcalc.ico
