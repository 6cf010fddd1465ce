#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the window's pictures and icon beside their SVG sources; run it after changing one:
#   resources/make-pictures.sh   (librsvg2-bin, imagemagick, fonts-liberation2, fonts-hosny-amiri)
set -euo pipefail
cd "$(dirname "$0")"
# NAME PLACE_WIDTH PLACE_HEIGHT: the picture as designed, 259 x 194, and copies for screens of two
# and three device pixels a pixel, drawn from the same SVG at two and three times the size. The
# window stretches each file into the picture's place; so the SVG is drawn in the place's shape
# and squeezed into the file here, and the stretch gives its proportions back.
picture() {
    local drawn ratio width height across down scale
    # rsvg-convert given both sizes stretches the drawing to them; so the drawing must have its
    # place's shape, and the one squeeze is the one asked of convert below.
    drawn=$(rsvg-convert "$1.svg" | identify -format '%w x %h' -)
    if ((${drawn% x*} * $3 != ${drawn#*x } * $2)); then
        echo "$1.svg is drawn $drawn, not in the shape of its place, $2 x $3" >&2
        exit 1
    fi
    for ratio in 1 2 3; do
        width=$((259 * ratio)) height=$((194 * ratio))
        # At least three times the file's pixels each way, averaged down, so small text and edges
        # stay smooth.
        across=$(((3 * width + $2 - 1) / $2)) down=$(((3 * height + $3 - 1) / $3))
        scale=$((across > down ? across : down))
        rsvg-convert -w $(($2 * scale)) -h $(($3 * scale)) "$1.svg" |
            convert png:- -filter Box -resize "${width}x$height!" -strip -quality 75 \
                "$1$([[ $ratio == 1 ]] || echo "@${ratio}x").jpg"
    done
}
# The places of Image1 and Image2 in ui/form4.cpp, in pixels.
picture image1 275 121
picture image2 275 129
rsvg-convert -w 48 -h 48 icon.svg | convert png:- -strip irgcalc-48.png
# The Windows icon: each size the shell asks for, drawn from the source.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48 256; do
    rsvg-convert -w $size -h $size icon.svg >"$tmp/$size.png"
done
convert "$tmp"/{16,32,48,256}.png irgcalc.ico
